#pragma once

// The pieces the pages of the report are written with: its fonts and a writer that places
// texts, lines, frames and pictures relative to the top of a band. Used by the composers
// of the pages only.

#include "core/reports/reportdocument.h"

namespace tavix::reportbands {

// Report fonts as character heights in report pixels.
constexpr int Small = 11;  // 8 pt
constexpr int Normal = 13; // 10 pt
constexpr int Large = 15;  // 11 pt
constexpr int Title = 16;  // 12 pt
// Subscripts of the 11 px formula letters.
constexpr int SubscriptSize = 8;

// Clear space between a text's room and the item, line or picture that ends it.
constexpr int Gap = 4;

inline ReportFont font(int size, bool bold = false, bool underline = false)
{
    return ReportFont{size, bold, underline, ReportColour::Black};
}

// Writes the items of one band: positions are given relative to the band's top.
class BandWriter
{
public:
    BandWriter(ReportPage &page, int top) : m_page(page), m_top(top) {}

    // The lines written until endBlock() are set in one size; a block is known on its page
    // by the place of its first line.
    void startBlock() { m_group = int(m_page.texts.size()) + 1; }
    void endBlock() { m_group = 0; }

    // A single line from x that must end before `right`, or at the page margin.
    ReportText &text(int x, int y, const QString &text, ReportFont font, int right = ReportPageWidth)
    {
        ReportText &item = m_page.texts.emplaceBack();
        item.position = QPoint(x, m_top + y);
        item.text = text;
        item.font = font;
        item.width = right - x;
        item.sizeGroup = m_group;
        return item;
    }
    // A formula letter with its subscript, e.g. R with "w", and what follows it.
    ReportText &formula(int x, int y, const QString &letter, const QString &subscript, ReportFont font,
                        int right, int subscriptSize = SubscriptSize, const QString &suffix = QString())
    {
        ReportText &item = text(x, y, letter, font, right);
        item.subscript = subscript;
        item.subscriptPixelSize = subscriptSize;
        item.suffix = suffix;
        return item;
    }
    void line(int x1, int y1, int x2, int y2)
    {
        m_page.lines.append({QPoint(x1, m_top + y1), QPoint(x2, m_top + y2)});
    }
    void frame(int x, int y, int width, int height)
    {
        m_page.frames.append(QRect(x, m_top + y, width, height));
    }
    ReportPictureSlot &picture(ReportPicture kind, int x, int y, int width, int height)
    {
        ReportPictureSlot slot;
        slot.picture = kind;
        slot.box = QRect(x, m_top + y, width, height);
        m_page.pictures.append(slot);
        return m_page.pictures.last();
    }

private:
    ReportPage &m_page;
    int m_top;
    int m_group = 0;
};

} // namespace tavix::reportbands

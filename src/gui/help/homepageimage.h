#pragma once

#include <QLabel>
#include <QUrl>

namespace tavix::gui {

// The publisher's logo in the project panel. The hand pointer invites a click, which
// asks the shell to open the homepage; the hourglass then stays until the mouse moves,
// as a sign that the browser is starting.
class HomepageImage : public QLabel
{
    Q_OBJECT

public:
    explicit HomepageImage(QWidget *parent = nullptr);

    void setAddress(const QUrl &address) { m_address = address; }
    QUrl address() const { return m_address; }

    // The logo drawn by the program itself.
    static QPixmap logo(const QSize &size);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void ImageTavixClick();

    QUrl m_address;
};

// The same click for a plain picture that shows the logo (the main window's ImageTavix):
// opens `address` when one is given, then shows the hourglass on `image` until the mouse
// moves over it again.
void homepageImageClicked(QWidget *image, const QUrl &address);

} // namespace tavix::gui

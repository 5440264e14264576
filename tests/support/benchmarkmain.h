#pragma once

// The main() of the widget benchmarks: an offscreen QApplication (unless a platform was
// chosen), the German locale the windows are measured in, then Google Benchmark.

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

#include <benchmark/benchmark.h>

namespace tavix::bench {

// Keystrokes into a number field the way a user types them: the field holds "12" with the
// cursor at its end, then each call alternately types a "0" and erases it again, so the
// value stays 12 or 120.
class KeystrokeLoop
{
public:
    explicit KeystrokeLoop(QLineEdit *field) : m_field(field)
    {
        m_field->setFocus();
        m_field->setText(QStringLiteral("12"));
        m_field->end(false);
    }

    void next()
    {
        QKeyEvent press(QEvent::KeyPress, m_typeDigit ? Qt::Key_0 : Qt::Key_Backspace, Qt::NoModifier,
                        m_typeDigit ? QStringLiteral("0") : QStringLiteral("\b"));
        QApplication::sendEvent(m_field, &press);
        m_typeDigit = !m_typeDigit;
    }

private:
    QLineEdit *m_field;
    bool m_typeDigit = true;
};

} // namespace tavix::bench

#define TAVIX_WIDGET_BENCHMARK_MAIN()                                                                        \
    int main(int argc, char **argv)                                                                          \
    {                                                                                                        \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                  \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                         \
        QApplication app(argc, argv);                                                                        \
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));                                     \
        benchmark::Initialize(&argc, argv);                                                                  \
        benchmark::RunSpecifiedBenchmarks();                                                                 \
        benchmark::Shutdown();                                                                               \
        return 0;                                                                                            \
    }

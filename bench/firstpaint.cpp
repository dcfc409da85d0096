// SPDX-License-Identifier: MIT
// Linked into a program to measure its start: when its first window has finished its first paint,
// prints the time since launch and the peak resident memory, and ends the program.
//
// The launcher puts its clock reading (nanoseconds since the epoch) in BENCH_LAUNCH_NS just
// before it starts the program.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>

namespace {

class FirstPaintProbe : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Paint && widget && widget->isWindow() && !m_painted) {
            m_painted = true;
            // Queued, so it runs once this paint, its children's and the flush are done.
            QTimer::singleShot(0, this, &FirstPaintProbe::report);
        }
        return false;
    }

private:
    void report()
    {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        const long long launched = qEnvironmentVariable("BENCH_LAUNCH_NS").toLongLong();
        const double elapsedMs
            = (std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() - launched) / 1e6;
        rusage usage {};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("startup_ms=%.3f peak_kib=%ld\n", elapsedMs, usage.ru_maxrss);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    bool m_painted = false;
};

void installProbe()
{
    QCoreApplication::instance()->installEventFilter(
        new FirstPaintProbe(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)

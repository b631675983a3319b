// SPDX-License-Identifier: GPL-3.0-or-later
// One first use of the program, timed from the key to what the user sees:
//   trx_first_use_probe solve     F5 with 4x² − 4x − 3 = 0 typed, until Label4 is painted
//   trx_first_use_probe f2        after that solve, F2, until the Desarrollo window is painted
//   trx_first_use_probe grafica   after both, Alt+G, until the plot's chart is painted
// The window starts as in src/app/main.cpp.  The keys come through the X
// server: when the window is ready for the next one the probe writes
// "key <xdotool key name>" on stdout, and first-use.sh sends it with
// xdotool.  The steps before the last are done and left to settle first;
// only the last is timed, from the key's arrival in the application (the
// shortcut check that precedes its press) until the first paint it causes
// has been flushed to the screen, and written as "ms <milliseconds>".

#include "app/application.h"
#include "platform/qt_platform.h"
#include "window/form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

bool hasAncestorNamed(const QWidget* widget, const char* name)
{
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (widget->objectName() == QLatin1String(name))
            return true;
    }
    return false;
}

struct Step {
    const char* xdotoolKey;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* window;                            // the class of the window that must be active for the key
    std::function<bool(const QWidget*)> showsUse;  // a widget whose paint shows the key's effect
};

const std::vector<Step>& allSteps()
{
    static const std::vector<Step> steps{
        {"F5", Qt::Key_F5, Qt::NoModifier, "Form1",
         [](const QWidget* painted) { return painted->objectName() == QLatin1String("Label4"); }},
        {"F2", Qt::Key_F2, Qt::NoModifier, "Form1",
         [](const QWidget* painted) { return hasAncestorNamed(painted, "Desarrollo"); }},
        {"alt+g", Qt::Key_G, Qt::AltModifier, "Desarrollo",
         [](const QWidget* painted) {
             const auto* view = qobject_cast<const QGraphicsView*>(painted->parentWidget());
             return view != nullptr && view->viewport() == painted && hasAncestorNamed(view, "Grafica");
         }},
    };
    return steps;
}

// Runs the steps in order, each once the window it needs is active and the
// one before has settled, and times the last.
class FirstUse : public QObject {
public:
    explicit FirstUse(std::size_t stepCount) : steps_(allSteps().begin(), allSteps().begin() + stepCount)
    {
        qApp->installEventFilter(this);
        // A window that is never activated, a key that never arrives or a
        // paint that never comes fails the measurement instead of hanging it.
        QTimer::singleShot(20000, this, [] {
            std::fputs("the first use did not finish within 20 s\n", stderr);
            QCoreApplication::exit(1);
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (waitingFor_ == Waiting::Start && event->type() == QEvent::Paint)
            waitForActiveWindow(kSettleMs);
        else if (waitingFor_ == Waiting::Key && isStepKey(event))
            startTiming();
        else if (waitingFor_ == Waiting::Paint && event->type() == QEvent::Paint && watched->isWidgetType() &&
                 steps_[next_].showsUse(static_cast<QWidget*>(watched)))
            endTiming();
        return false;
    }

private:
    static constexpr int kSettleMs = 500;
    enum class Waiting { Start, Window, Key, Paint };

    bool isStepKey(const QEvent* event) const
    {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        return key->key() == steps_[next_].key && key->modifiers() == steps_[next_].modifiers;
    }

    void waitForActiveWindow(int delayMs)
    {
        waitingFor_ = Waiting::Window;
        QTimer::singleShot(delayMs, this, [this] {
            const QWidget* active = QApplication::activeWindow();
            if (active != nullptr && active->inherits(steps_[next_].window))
                askForKey();
            else
                waitForActiveWindow(10);
        });
    }

    void askForKey()
    {
        waitingFor_ = Waiting::Key;
        std::printf("key %s\n", steps_[next_].xdotoolKey);
        std::fflush(stdout);
    }

    void startTiming()
    {
        waitingFor_ = Waiting::Paint;
        clock_.start();
    }

    // Queued: the rest of this paint and its flush to the screen come first.
    void endTiming()
    {
        waitingFor_ = Waiting::Window;
        QTimer::singleShot(0, this, [this] {
            const double ms = static_cast<double>(clock_.nsecsElapsed()) / 1e6;
            if (++next_ < steps_.size()) {
                waitForActiveWindow(kSettleMs);
                return;
            }
            std::printf("ms %.1f\n", ms);
            QCoreApplication::quit();
        });
    }

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    Waiting waitingFor_ = Waiting::Start;
    QElapsedTimer clock_;
};

std::size_t stepsFor(const char* use)
{
    const char* const uses[] = {"solve", "f2", "grafica"};
    for (std::size_t i = 0; i < std::size(uses); ++i) {
        if (std::strcmp(use, uses[i]) == 0)
            return i + 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    const std::size_t stepCount = argc == 2 ? stepsFor(argv[1]) : 0;
    if (stepCount == 0) {
        std::fputs("usage: trx_first_use_probe solve|f2|grafica\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    prepareApplication();
    QtPlatform platform;
    Form1 window(platform);
    const char* const coefficients[] = {"4", "-4", "-3", "0"};
    for (int i = 0; i < 4; ++i) {
        auto* field = window.findChild<QLineEdit*>(QStringLiteral("Text1(%1)").arg(i));
        field->setText(QLatin1String(coefficients[i]));
    }
    FirstUse use(stepCount);
    window.show();
    return QApplication::exec();
}

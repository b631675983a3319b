// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/status_bar.h"

#include "exact/solve.h"
#include "services/platform.h"
#include "window/widgets.h"

#include <QApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QLocale>
#include <QTimer>
#include <QWindow>

namespace {

// The panels share the bar equally whatever they show: a text longer than
// its panel is cut, and a new text does not lay the bar out again.
class Panel : public ClickLabel {
public:
    using ClickLabel::ClickLabel;
    QSize sizeHint() const override { return {0, 0}; }
    QSize minimumSizeHint() const override { return {0, 0}; }
};

}  // namespace

StatusBar::StatusBar(int height, const QString& credit, Platform& platform, QWidget* parent)
    : QStatusBar(parent), platform_(platform), clock_(new QTimer(this))
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    setFixedHeight(height);
    for (int i = 0; i < 7; ++i) {
        auto* label = new Panel(this);
        label->setObjectName(QStringLiteral("StatusBar1(%1)").arg(i + 1));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        addPermanentWidget(label, 1);
        connect(label, &ClickLabel::clicked, this, [this, i] { emit panelClicked(i + 1); });
        panels_[i] = label;
    }
    panels_[6]->setText(credit);

    connect(clock_, &QTimer::timeout, this, &StatusBar::refresh);
    clock_->start(1000);
    qApp->installEventFilter(this);
    refresh();
}

StatusBar::~StatusBar()
{
    qApp->removeEventFilter(this);
}

// Insert mode is a toggle of the Insert key anywhere in the program; lock
// keys are read back from the keyboard after each key.
bool StatusBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != static_cast<QObject*>(window()->windowHandle()))
        return QStatusBar::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Insert && !key->isAutoRepeat())
            insertMode_ = !insertMode_;
    } else if (event->type() == QEvent::KeyRelease) {
        refresh();
    }
    return QStatusBar::eventFilter(watched, event);
}

void StatusBar::refresh()
{
    const QLocale locale;
    const QDateTime now = QDateTime::currentDateTime();
    panels_[1]->setText(locale.toString(now.time(), QLocale::ShortFormat));
    panels_[2]->setText(locale.toString(now.date(), QLocale::ShortFormat));
    const LockStates locks = platform_.lockStates();
    panels_[3]->setText(locks.caps ? tr("MAYÚS") : QString());
    panels_[4]->setText(locks.num ? tr("NÚM") : QString());
    panels_[5]->setText(insertMode_ ? tr("INS") : QString());
}

void StatusBar::showTimeTip(int number)
{
    const QLocale locale;
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t'));  // the time zone is not part of the time of day
    const QDateTime now = QDateTime::currentDateTime();
    panel(number)->setToolTip(
        QCoreApplication::translate("Form1", "Son las %1 del día %2")
            .arg(locale.toString(now.time(), timeFormat.trimmed()), locale.toString(now.date(), QLocale::ShortFormat)));
}

// Qt 6.4 tells AT-SPI nothing about live regions, so a screen reader does
// not speak a changed panel by itself: the panel's accessible name changes
// with its text (which Qt reports), and the panel is the window's status
// bar text that screen readers read on request.
void StatusBar::showSolveSummary(const trx::SolveResult& result)
{
    const QString first = QString::fromStdString(result.solution1);
    const QString second = QString::fromStdString(result.solution2);
    QString summary;
    switch (result.outcome) {
    case trx::SolveOutcome::TwoRealRoots:
        summary = tr("Dos soluciones reales: x uno igual a %1, x dos igual a %2").arg(first, second);
        break;
    case trx::SolveOutcome::DoubleRoot:
        summary = tr("Una solución real doble: x igual a %1").arg(first);
        break;
    case trx::SolveOutcome::ComplexRoots:
        summary = tr("Dos soluciones complejas: x uno igual a %1, x dos igual a %2").arg(first, second);
        break;
    default:
        return;
    }
    panels_[0]->setText(summary);
}

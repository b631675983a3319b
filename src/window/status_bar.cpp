// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/status_bar.h"

#include "services/platform.h"
#include "services/translated.h"
#include "window/widgets.h"
#include "window_rules/solve_summary.h"

#include <QAccessibleWidget>
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

QAccessibleInterface* summaryAccessible(const QString& className, QObject* object);

// The first panel, which tells each solve's result.
class SummaryPanel final : public Panel {
    Q_OBJECT
public:
    explicit SummaryPanel(QWidget* parent) : Panel(parent)
    {
        static const bool announced = (QAccessible::installFactory(summaryAccessible), true);
        Q_UNUSED(announced);
    }
};

}  // namespace

StatusBar::StatusBar(int height, const QString& credit, Platform& platform, QWidget* parent)
    : QStatusBar(parent), platform_(platform), clock_(new QTimer(this))
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    setFixedHeight(height);
    for (int i = 0; i < 7; ++i) {
        auto* label = i == 0 ? new SummaryPanel(this) : new Panel(this);
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

// Qt 6.4 has no live regions on AT-SPI.  The first panel is a
// notification in the status bar instead, which screen readers (Orca among
// them) speak as soon as it shows: after each solve it shows again with the
// new sentence, while the keyboard stays where the solve left it.
void StatusBar::showSolveSummary(const trx::SolveResult& result)
{
    const QString summary = QString::fromStdString(trx::solveSummary(result, translated));
    if (summary.isEmpty())
        return;
    panels_[0]->setText(summary);
    panels_[0]->setToolTip(summary);  // the panel shows the start of a long sentence
    panels_[0]->setAccessibleName(summary);
    QAccessibleEvent shown(panels_[0], QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

namespace {

// Asked for every object whose interface is made: the class name alone decides.
QAccessibleInterface* summaryAccessible(const QString& className, QObject* object)
{
    if (className != QLatin1String("SummaryPanel"))
        return nullptr;
    return new QAccessibleWidget(static_cast<SummaryPanel*>(object), QAccessible::Notification);
}

}  // namespace

#include "status_bar.moc"

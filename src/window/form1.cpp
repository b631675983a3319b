// SPDX-License-Identifier: GPL-3.0-or-later
// The window built in a fixed order: its controls, the menus and toolbar
// from the command table, the status bar and the connections; then the
// routing of toolbar clicks and the pop-up menu, and the keys the window
// keeps for itself.

#include "window/form1.h"

#include "services/platform.h"
#include "settings/settings_table.h"
#include "window/coefficient_fields.h"
#include "window/status_bar.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

Form1::Form1(Platform& platform)
    : platform_(&platform),
      placement_(*this, controls_),
      working_(*this, platform, SeparadorDecimal, [this](const auto& fields) { solveTypedEquation(fields); }),
      desktop_(*this, platform, [this](const auto& values, auto writer) { return saveSettings(values, writer); })
{
    build();
}

// The fields report losing the focus while Qt tears the window down; by
// then the window is no longer there to hear it.
Form1::~Form1()
{
    for (QObject* control : findChildren<TextBox*>())
        control->disconnect(this);
}

void Form1::build()
{
    controls_.dpi = qRound(screen()->logicalDotsPerInch());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/icons/trinomix.svg")));
    setWindowTitle(QStringLiteral("Trinomix"));
    setFont(Form1Controls::sansFont(8.25));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form1"));
    setCentralWidget(client);
    controls_.createControls(client, DesktopHandoff::kProjectAddress);
    createMenus(false);
    createToolbar();
    showOptions();
    createStatusBar();
    createConnections();
    // The layout is drawn for one client size; the window keeps it for good.
    setFixedSize(controls_.px(Form1Controls::kClientWidth),
                 menuBar()->sizeHint().height() + controls_.px(Form1Controls::kClientHeight));
    Form_Load();
}

void Form1::createStatusBar()
{
    StatusBar1 =
        new StatusBar(controls_.px(Form1Controls::kStatusBarHeight), DesktopHandoff::kProgramHandle, *platform_, this);
    setStatusBar(StatusBar1);
}

void Form1::createConnections()
{
    fields_ = std::make_unique<CoefficientFields>(controls_.Text1, *StatusBar1->panel(1), menus_, *platform_, *this,
                                                  SeparadorDecimal);
    for (TextBox* copy : {controls_.Text2, controls_.Text3})
        copy->keyFilter = [this](QKeyEvent& event) { return swallowKey(event); };
    for (TextBox* box : findChildren<TextBox*>()) {
        box->ownsShortcut = [this](const QKeySequence& keys) { return windowOwnsShortcut(keys); };
        if (box->isReadOnly())
            connect(box, &QLineEdit::textChanged, this, [this, box] { showResultStart(box); });
    }
    for (QAction* item : findChildren<QAction*>()) {
        if (!item->shortcut().isEmpty())
            shortcutItems_.push_back(item);
    }

    connect(controls_.CmdCal, &QPushButton::clicked, this, &Form1::CmdCal_Click);
    connect(controls_.CmdSal, &QPushButton::clicked, this, &Form1::CmdSal_Click);
    connect(controls_.Label3, &ClickLabel::clicked, this, &Form1::Label3_Click);
    connect(controls_.Label1, &ClickLabel::clicked, this, &Form1::Label1_Click);
    for (ClickLabel* panel : {controls_.lblpantalla1, controls_.Lblpantalla2[0], controls_.Lblpantalla2[1]})
        connect(panel, &ClickLabel::mousePressed, this, &Form1::showTaskMenu);
    centralWidget()->installEventFilter(this);
    connect(controls_.Label4, &QLineEdit::textChanged, this,
            [this] { controls_.copyAsScientific(controls_.Label4, controls_.Text2, SeparadorDecimal); });
    connect(controls_.Label5, &QLineEdit::textChanged, this,
            [this] { controls_.copyAsScientific(controls_.Label5, controls_.Text3, SeparadorDecimal); });
    connect(StatusBar1, &StatusBar::panelClicked, this, &Form1::StatusBar1_PanelClick);
    connect(menus_.mnuEdi, &QMenu::aboutToShow, this, &Form1::mnuEdi_Click);
    connect(menus_.mnuOpci, &QMenu::aboutToShow, this, &Form1::mnuOpci_Click);

    // The two labels that act when clicked can be reached from the keyboard too.
    connect(new QShortcut(Qt::ALT | Qt::Key_X, this), &QShortcut::activated, this, &Form1::Label3_Click);
    connect(new QShortcut(Qt::Key_F1, this), &QShortcut::activated, this, &Form1::Label1_Click);

    exitOnEscape_ = new QShortcut(Qt::Key_Escape, this);
    exitOnEscape_->setEnabled(false);
    connect(exitOnEscape_, &QShortcut::activated, this, &Form1::CmdSal_Click);
}

bool Form1::swallowKey(const QKeyEvent& event)
{
    if (event.text().isEmpty() || (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    platform_->beep();
    return true;
}

bool Form1::windowOwnsShortcut(const QKeySequence& keys) const
{
    return std::any_of(shortcutItems_.begin(), shortcutItems_.end(),
                       [&keys](const QAction* item) { return item->isEnabled() && item->shortcut() == keys; });
}

// The task menu opens on a right-button press on the window's background and
// on the panels of the exact-form display; the fields keep their own menu.
// A press that a control ignores (a button's right press) reaches the
// background too, and is not the background's.
bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (centralWidget()->childAt(press->position().toPoint()) == nullptr)
            showTaskMenu(press->button());
    }
    return QMainWindow::eventFilter(watched, event);
}

// A result longer than its box shows its beginning, as a text box does, and
// the whole of it in the tool tip.
void Form1::showResultStart(TextBox* result)
{
    result->home(false);
    result->setToolTip(result->text());
}

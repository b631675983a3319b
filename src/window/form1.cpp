// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form1.h"

#include "services/platform.h"
#include "window/coefficient_fields.h"
#include "window/status_bar.h"

#include <QCursor>
#include <QKeyEvent>
#include <QLocale>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QToolBar>

const QString Form1::kProgramHandle = QStringLiteral("Equipo Trinomix");
const QString Form1::kProjectAddress = QStringLiteral(TRX_HOMEPAGE);

Form1::Form1(Platform& platform) : platform_(&platform)
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
    dpi_ = qRound(screen()->logicalDotsPerInch());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/icons/trinomix.svg")));
    setWindowTitle(QStringLiteral("Trinomix"));
    setFont(sansFont(8.25));

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form1"));
    setCentralWidget(client);
    createControls(client, kProjectAddress);
    createMenus(false);
    createToolbar();
    showOptions();
    Toolbar1->setFixedHeight(px(kToolbarHeight));
    createStatusBar();
    createConnections();
    // The layout is drawn for one client size; the window keeps it for good.
    setFixedSize(px(kClientWidth), menuBar()->sizeHint().height() + px(kClientHeight));
    Form_Load();
}

void Form1::createStatusBar()
{
    StatusBar1 = new StatusBar(px(kStatusBarHeight), kProgramHandle, *platform_, this);
    setStatusBar(StatusBar1);
}

void Form1::createConnections()
{
    Form1Menus& menus = *this;
    fields_ =
        std::make_unique<CoefficientFields>(Text1, *StatusBar1->panel(1), menus, *platform_, *this, SeparadorDecimal);
    for (TextBox* copy : {Text2, Text3})
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

    connect(CmdCal, &QPushButton::clicked, this, &Form1::CmdCal_Click);
    connect(CmdSal, &QPushButton::clicked, this, &Form1::CmdSal_Click);
    connect(Label3, &ClickLabel::clicked, this, &Form1::Label3_Click);
    connect(Label1, &ClickLabel::clicked, this, &Form1::Label1_Click);
    for (ClickLabel* panel : {lblpantalla1, Lblpantalla2[0], Lblpantalla2[1]})
        connect(panel, &ClickLabel::mousePressed, this, &Form1::showTaskMenu);
    centralWidget()->installEventFilter(this);
    connect(Label4, &QLineEdit::textChanged, this, [this] { copyAsScientific(Label4, Text2, SeparadorDecimal); });
    connect(Label5, &QLineEdit::textChanged, this, [this] { copyAsScientific(Label5, Text3, SeparadorDecimal); });
    connect(StatusBar1, &StatusBar::panelClicked, this, &Form1::StatusBar1_PanelClick);
    connect(mnuEdi, &QMenu::aboutToShow, this, &Form1::mnuEdi_Click);
    connect(mnuOpci, &QMenu::aboutToShow, this, &Form1::mnuOpci_Click);

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

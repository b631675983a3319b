// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/form1.h"

#include "shell/qt_platform.h"
#include "shell/status_bar.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLocale>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QToolBar>

namespace {

// Layout unit: 1/1440 inch, so 15 per pixel at 96 dots per inch.
constexpr int kTwipsPerInch = 1440;
// The layout's client area below the menu bar, the toolbar across its top
// and the status bar across its bottom.
constexpr int kClientWidth = 9735;
constexpr int kClientHeight = 3465;
constexpr int kToolbarHeight = 600;
constexpr int kStatusBarHeight = 375;

// The layout was drawn for a narrow Windows sans face: prefer it and its
// metric twins, which Linux systems commonly carry, over a wider default.
QFont sansFont(qreal points, bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont signFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                      QStringLiteral("Nimbus Roman"), QStringLiteral("Times")});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(15.75);
    font.setBold(true);
    return font;
}

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

}  // namespace

const QString Form1::kProgramHandle = QStringLiteral("Equipo Trinomix");
const QString Form1::kProjectAddress = QStringLiteral(TRX_HOMEPAGE);

Form1::Form1() : ownedPlatform_(std::make_unique<QtPlatform>()), platform_(ownedPlatform_.get())
{
    build();
}

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
    QGuiApplication::setQuitOnLastWindowClosed(false);  // see closeEvent()
    dpi_ = qRound(screen()->logicalDotsPerInch());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/icons/trinomix.svg")));
    setWindowTitle(QStringLiteral("Trinomix"));
    setFont(sansFont(8.25));

    createControls();
    createMenus(false);
    createToolbar();
    Toolbar1->setFixedHeight(px(kToolbarHeight));
    createStatusBar();
    createConnections();
    // The layout is drawn for one client size; the window keeps it for good.
    setFixedSize(px(kClientWidth), menuBar()->sizeHint().height() + px(kClientHeight));
    Form_Load();
}

int Form1::px(int twips) const
{
    return (twips * dpi_ + kTwipsPerInch / 2) / kTwipsPerInch;
}

// Positions are measured from the top of the client area, which the toolbar
// occupies down to kToolbarHeight; the central widget starts below it.
void Form1::place(QWidget* control, int left, int top, int width, int height) const
{
    control->setGeometry(px(left), px(top - kToolbarHeight), px(width), px(height));
}

void Form1::createControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form1"));
    setCentralWidget(client);

    const auto textBox = [client](const QString& name) {
        auto* box = new TextBox(client);
        box->setObjectName(name);
        return box;
    };
    const auto label = [client](const QString& name, const QString& caption) {
        auto* text = new ClickLabel(caption, client);
        text->setObjectName(name);
        return text;
    };
    const auto indexed = [](const char* name, int index) {
        return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
    };

    // Created bottom-most first: sign labels and fraction bars, then the
    // panels that cover them, then the text boxes, which stay on top of all.
    for (int i = 0; i < 9; ++i) {
        Lblig[i] = label(indexed("Lblig", i), i == 0 ? QStringLiteral("=") : QStringLiteral("-"));
        Lblig[i]->setFont(i == 0 ? sansFont(8.25, true) : signFont());
    }
    place(Lblig[0], 6960, 735, 120, 195);
    const std::array<std::array<int, 2>, 9> signPositions{{{6960, 735},
                                                           {6000, 1095},
                                                           {6000, 2295},
                                                           {6000, 1335},
                                                           {6000, 2055},
                                                           {3360, 1335},
                                                           {3360, 1095},
                                                           {3360, 2295},
                                                           {3360, 2055}}};
    for (int i = 1; i < 9; ++i)
        place(Lblig[i], signPositions[i][0], signPositions[i][1], 105, i == 7 ? 255 : 375);

    const std::array<std::array<int, 3>, 4> linePositions{
        {{3600, 5880, 1455}, {3600, 5880, 2415}, {6240, 8160, 2415}, {6240, 8160, 1455}}};
    for (int i = 0; i < 4; ++i) {
        lines[i] = new Line(client);
        lines[i]->setObjectName(QStringLiteral("Line%1").arg(i + 1));
        const auto& [x1, x2, y] = linePositions[i];
        lines[i]->setGeometry(px(x1), px(y - kToolbarHeight), px(x2 - x1), 1);
    }

    lblpantalla1 = label(QStringLiteral("lblpantalla1"), QString());
    place(lblpantalla1, 3360, 1080, 2550, 1815);
    for (int i = 0; i < 2; ++i)
        Lblpantalla2[i] = label(indexed("Lblpantalla2", i), QString());
    place(Lblpantalla2[0], 5970, 1110, 2265, 900);
    place(Lblpantalla2[1], 5970, 2070, 2205, 870);
    for (ClickLabel* panel : {lblpantalla1, Lblpantalla2[0], Lblpantalla2[1]})
        panel->setAutoFillBackground(true);

    // Equation row.
    const std::array<std::array<int, 2>, 4> fieldPositions{{{120, 1800}, {2400, 1920}, {4800, 2040}, {7200, 1800}}};
    for (int i = 0; i < 4; ++i) {
        Text1[i] = textBox(indexed("Text1", i));
        Text1[i]->setAlignment(Qt::AlignRight);
        Text1[i]->setAcceptDrops(false);  // dropped text would pass no filter
        place(Text1[i], fieldPositions[i][0], 735, fieldPositions[i][1], 285);
    }
    setBackground(Text1[0], Qt::white);
    Text1[3]->setText(QStringLiteral("0"));
    Label2 = label(QStringLiteral("Label2"), QStringLiteral("X²"));
    place(Label2, 1920, 735, 345, 285);
    Label3 = label(QStringLiteral("Label3"), QStringLiteral("X"));
    Label3->setToolTip(tr("Clic: pone o quita un valor de X."));
    place(Label3, 4320, 735, 345, 285);
    for (ClickLabel* x : {Label2, Label3}) {
        x->setFont(sansFont(8.25, true));
        x->setAlignment(Qt::AlignCenter);
        x->setFrameStyle(QFrame::Box | QFrame::Plain);
    }

    // Numeric solutions.
    Lblsol1 = label(QStringLiteral("Lblsol1"), tr("Solución 1:"));
    place(Lblsol1, 120, 1095, 795, 195);
    Lblsol2 = label(QStringLiteral("Lblsol2"), tr("Solución 2:"));
    place(Lblsol2, 120, 2055, 795, 195);
    Label4 = textBox(QStringLiteral("Label4"));
    place(Label4, 960, 1035, 2295, 285);
    Label5 = textBox(QStringLiteral("Label5"));
    place(Label5, 945, 1995, 2295, 285);
    Text2 = textBox(QStringLiteral("Text2"));
    place(Text2, 960, 1335, 2295, 285);
    Text3 = textBox(QStringLiteral("Text3"));
    place(Text3, 960, 2295, 2295, 285);
    for (TextBox* copy : {Text2, Text3}) {
        copy->setFrame(false);
        setBackground(copy, Qt::white);
    }

    // Exact-form display.
    for (int i = 0; i < 2; ++i) {
        Lblarri[i] = textBox(indexed("Lblarri", i));
        Lblaba[i] = textBox(indexed("Lblaba", i));
        Lblarri2[i] = textBox(indexed("Lblarri2", i));
        lbl2[i] = textBox(indexed("lbl2", i));
    }
    place(Lblarri[0], 3510, 1170, 2265, 285);
    place(Lblaba[0], 3510, 1560, 2265, 285);
    place(Lblarri2[0], 6240, 1170, 1920, 285);
    place(lbl2[0], 6240, 1515, 1920, 285);
    place(Lblarri[1], 3555, 2130, 2265, 285);
    place(Lblaba[1], 3555, 2520, 2265, 285);
    place(Lblarri2[1], 6240, 2130, 1920, 285);
    place(lbl2[1], 6240, 2475, 1920, 285);

    const QColor buttonFace = palette().color(QPalette::Button);
    for (TextBox* result :
         {Label4, Label5, Lblarri[0], Lblarri[1], Lblaba[0], Lblaba[1], Lblarri2[0], Lblarri2[1], lbl2[0], lbl2[1]}) {
        setBackground(result, buttonFace);
        result->setFocusPolicy(Qt::ClickFocus);
    }
    for (TextBox* result : {Label4, Label5, Text2, Text3, Lblarri[0], Lblarri[1], Lblaba[0], Lblaba[1], Lblarri2[0],
                            Lblarri2[1], lbl2[0], lbl2[1]}) {
        result->setReadOnly(true);
        result->setAlignment(Qt::AlignCenter);
    }

    // Buttons and link.
    CmdCal = new QPushButton(tr("&Calcular"), client);
    CmdCal->setObjectName(QStringLiteral("CmdCal"));
    place(CmdCal, 8280, 1695, 1215, 435);
    CmdSal = new QPushButton(tr("&Salir"), client);
    CmdSal->setObjectName(QStringLiteral("CmdSal"));
    place(CmdSal, 8280, 2655, 1215, 375);
    for (QPushButton* button : {CmdCal, CmdSal})
        button->setAutoDefault(false);

    Label1 = label(QStringLiteral("Label1"), kProjectAddress);
    QFont linkFont = sansFont(12);
    linkFont.setUnderline(true);
    Label1->setFont(linkFont);
    QPalette linkPalette = Label1->palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Label1->setPalette(linkPalette);
    Label1->setCursor(Qt::PointingHandCursor);
    place(Label1, 240, 2655, 2865, 300);
    Label1->adjustSize();  // sized to its text, whatever the font

    describeControls();

    setTabOrder(Text1[0], Text1[1]);
    setTabOrder(Text1[1], Text1[2]);
    setTabOrder(Text1[2], Text1[3]);
    setTabOrder(Text1[3], CmdCal);
    setTabOrder(CmdCal, CmdSal);
    setTabOrder(CmdSal, Text2);
    setTabOrder(Text2, Text3);
}

// Names and descriptions that screen readers announce.
void Form1::describeControls()
{
    const auto describe = [](QWidget* control, const QString& name, const QString& description) {
        control->setAccessibleName(name);
        control->setAccessibleDescription(description);
    };
    describe(Text1[0], tr("Coeficiente de x²"), tr("Coeficiente a del término a·x²"));
    describe(Text1[1], tr("Coeficiente de x"), tr("Coeficiente b del término b·x"));
    describe(Text1[2], tr("Término independiente"), tr("Término constante c"));
    describe(Text1[3], tr("Lado derecho"), tr("Valor d al otro lado del signo igual"));
    describe(Label3, tr("Término lineal"), tr("Clic o Alt+X: pone o quita un valor de X."));
    describe(Label1, tr("Página web del proyecto"), tr("Clic o F1: abre la página web"));
    for (int i = 0; i < 2; ++i) {
        const QString solution = tr("solución %1").arg(i + 1);
        describe(i == 0 ? Label4 : Label5, tr("Solución %1").arg(i + 1), tr("La %1 en forma decimal").arg(solution));
        describe(i == 0 ? Text2 : Text3, tr("Solución %1 en notación científica").arg(i + 1),
                 tr("Copia de la %1 en notación científica").arg(solution));
        describe(Lblarri[i], tr("Numerador de la %1").arg(solution), tr("Forma exacta sin simplificar"));
        describe(Lblaba[i], tr("Denominador de la %1").arg(solution), tr("Forma exacta sin simplificar"));
        describe(Lblarri2[i], tr("Numerador simplificado de la %1").arg(solution), tr("Forma exacta simplificada"));
        describe(lbl2[i], tr("Denominador simplificado de la %1").arg(solution), tr("Forma exacta simplificada"));
    }
}

void Form1::createStatusBar()
{
    StatusBar1 = new StatusBar(px(kStatusBarHeight), kProgramHandle, this);
    setStatusBar(StatusBar1);
}

void Form1::createConnections()
{
    for (int i = 0; i < 4; ++i) {
        TextBox* field = Text1[i];
        field->keyFilter = [this, i](QKeyEvent& event) { return Text1_KeyPress(i, event); };
        connect(field, &QLineEdit::textChanged, this, [this, i] { Text1_Change(i); });
        connect(field, &TextBox::focusGained, this, [this, i] { Text1_GotFocus(i); });
        connect(field, &TextBox::focusLost, this, [this, i] { Text1_LostFocus(i); });
        connect(field, &TextBox::clicked, this, [this, i] { Text1_Click(i); });
        connect(field, &TextBox::keyReleased, this, &Form1::Text1_KeyUp);
    }
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
    connect(Label4, &QLineEdit::textChanged, this, [this] { copyAsScientific(Label4, Text2); });
    connect(Label5, &QLineEdit::textChanged, this, [this] { copyAsScientific(Label5, Text3); });
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

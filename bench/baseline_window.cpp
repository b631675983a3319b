// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's floor for our start-up: a bare QMainWindow with as many
// widgets of each kind as the program's window (16 line edits, 17 labels,
// 4 lines, 2 buttons), the same menus and actions, a 21-item toolbar with the
// same 15 SVG icons, a status bar of 7 panels and the window icon.  It shows
// the window, quits after the first paint and does nothing else: no settings,
// no translations, no handlers.

#include "first_paint.h"

#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

namespace {

struct Item {
    const char* caption;  // nullptr for a separator
    QKeySequence shortcut;
};

void fillMenu(QMenu* menu, std::initializer_list<Item> items)
{
    for (const Item& item : items) {
        if (item.caption == nullptr)
            menu->addSeparator();
        else
            menu->addAction(QString::fromUtf8(item.caption))->setShortcut(item.shortcut);
    }
}

void addControls(QWidget* client)
{
    // Twelve result fields and the four coefficients, on a grid roughly
    // where the program has its own.
    for (int i = 0; i < 16; ++i) {
        auto* field = new QLineEdit(client);
        field->setText(i < 4 ? QStringLiteral("1") : QString());
        field->setAlignment(i < 4 ? Qt::AlignRight : Qt::AlignCenter);
        field->setReadOnly(i >= 4);
        field->setGeometry(8 + (i % 4) * 160, 10 + (i / 4) * 40, 130, 19);
    }
    const char* const captions[] = {"=",
                                    "-",
                                    "-",
                                    "-",
                                    "-",
                                    "-",
                                    "-",
                                    "-",
                                    "-",
                                    "",
                                    "",
                                    "",
                                    "X²",
                                    "X",
                                    "Solución 1:",
                                    "Solución 2:",
                                    "https://trinomix.example.org"};
    // Between the rows of fields, inside the client area, so that they are
    // drawn as the program's are.
    int row = 0;
    for (const char* caption : captions) {
        auto* label = new QLabel(QString::fromUtf8(caption), client);
        label->setGeometry(8 + (row % 6) * 100, 31 + (row / 6) * 40, 90, 16);
        ++row;
    }
    for (int i = 0; i < 4; ++i) {
        auto* line = new QFrame(client);
        line->setFrameShape(QFrame::HLine);
        line->setGeometry(240 + (i % 2) * 176, 60 + (i / 2) * 64, 152, 1);
    }
    auto* solveButton = new QPushButton(QStringLiteral("&Calcular"), client);
    solveButton->setGeometry(552, 73, 81, 29);
    auto* exitButton = new QPushButton(QStringLiteral("&Salir"), client);
    exitButton->setGeometry(552, 137, 81, 25);
}

void addMenus(QMainWindow& window)
{
    QMenuBar* bar = window.menuBar();
    fillMenu(bar->addMenu(QStringLiteral("&Archivo")),
             {{"&Calcular", Qt::Key_F5}, {nullptr, {}}, {"&Salir", Qt::CTRL | Qt::Key_S}});
    fillMenu(bar->addMenu(QStringLiteral("&Edición")), {{"&Deshacer", Qt::CTRL | Qt::Key_Z},
                                                        {nullptr, {}},
                                                        {"Co&rtar", Qt::CTRL | Qt::Key_X},
                                                        {"&Copiar", Qt::CTRL | Qt::Key_C},
                                                        {"&Pegar", Qt::CTRL | Qt::Key_V},
                                                        {nullptr, {}},
                                                        {"&Borrar", Qt::Key_F4},
                                                        {"B&orrar Todo", Qt::CTRL | Qt::Key_F4},
                                                        {nullptr, {}},
                                                        {"&Seleccionar todo", {}}});
    QMenu* options = bar->addMenu(QStringLiteral("&Opciones"));
    fillMenu(options->addMenu(QStringLiteral("Número &PI")),
             {{"Multiplicar por PI", Qt::CTRL | Qt::Key_F1}, {"Dividir por PI", Qt::CTRL | Qt::Key_F2}});
    fillMenu(options->addMenu(QStringLiteral("&Elevar a")),
             {{"Elevar al cuadrado", Qt::SHIFT | Qt::Key_F2}, {"Elevar a...", Qt::SHIFT | Qt::Key_F3}});
    fillMenu(options, {{"Invertir", Qt::CTRL | Qt::Key_I},
                       {nullptr, {}},
                       {"C&entrar", Qt::Key_F3},
                       {"&Calculadora", Qt::Key_F6},
                       {nullptr, {}},
                       {"&Notación científica", Qt::Key_F7},
                       {"&Siempre Visible", Qt::Key_F8},
                       {"S&iempre = 0", Qt::Key_F9},
                       {"Simplificar Raiz Compleja", Qt::Key_F11},
                       {nullptr, {}},
                       {"&Avanzado", Qt::Key_F12}});
    fillMenu(bar->addMenu(QStringLiteral("A&yuda")), {{"&Acerca de...", {}}});

    // The pop-up menu, never in the menu bar.
    fillMenu(new QMenu(QStringLiteral("Menú"), &window), {{"C&entrar", {}},
                                                          {"&Borrar todo", {}},
                                                          {"&Calculadora", {}},
                                                          {nullptr, {}},
                                                          {"&Siempre Visible", {}},
                                                          {nullptr, {}},
                                                          {"S&alir", {}}});
}

void addToolbar(QMainWindow& window)
{
    auto* toolbar = new QToolBar(QStringLiteral("Toolbar1"), &window);
    toolbar->setMovable(false);
    toolbar->setIconSize(QSize(32, 32));
    toolbar->setFixedHeight(40);
    window.addToolBar(Qt::TopToolBarArea, toolbar);
    // nullptr for a separator: 6 separators and 15 buttons.
    const char* const icons[] = {nullptr,       "calcular", nullptr,    "deshacer",        "cortar",     "copiar",
                                 "pegar",       nullptr,    "borrar",   "borrar-todo",     nullptr,      "centrar",
                                 "calculadora", nullptr,    "notacion", "siempre-visible", "igual-cero", "simplificar",
                                 "avanzado",    nullptr,    "acerca"};
    for (const char* icon : icons) {
        if (icon == nullptr) {
            toolbar->addSeparator();
            continue;
        }
        QAction* button = toolbar->addAction(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))),
                                             QString::fromLatin1(icon));
        toolbar->widgetForAction(button)->setFixedSize(38, 39);
    }
}

void addStatusBar(QMainWindow& window)
{
    auto* bar = new QStatusBar(&window);
    bar->setSizeGripEnabled(false);
    for (int i = 0; i < 7; ++i) {
        auto* panel = new QLabel(bar);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addPermanentWidget(panel, 1);
    }
    window.setStatusBar(bar);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Trinomix"));
    window.setWindowIcon(QIcon(QStringLiteral(":/icons/trinomix.svg")));
    auto* client = new QWidget(&window);
    window.setCentralWidget(client);
    addControls(client);
    addMenus(window);
    addToolbar(window);
    addStatusBar(window);
    window.setFixedSize(649, window.menuBar()->sizeHint().height() + 231);

    QuitAfterFirstPaint quit(window);
    window.show();
    return QApplication::exec();
}

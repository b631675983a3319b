// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/form1_controls.h"

#include "core/display_formats.h"
#include "core/number_text.h"
#include "exact/solve.h"
#include "window_rules/notation_switch.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QPushButton>

#include <algorithm>
#include <type_traits>
#include <variant>

namespace {

// What the computation writes, in Spanish, where a complex solution has no
// denominator of its own.
const char* const kComplexSolution = QT_TRANSLATE_NOOP("Form1", "Solución compleja");

QString translated(const char* text)
{
    return QCoreApplication::translate("Form1", text);
}

QString fromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
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
    setReadableText(palette, QPalette::Text, colour);
    setReadableText(palette, QPalette::WindowText, colour);
    widget->setPalette(palette);
}

}  // namespace

// The layout was drawn for a narrow Windows sans face: the first of it and
// its metric twins that the system has, which Linux systems commonly carry,
// rather than a wider default.  Named alone, so that the toolkit does not
// search substitutes for the faces that are missing.
QFont Form1Controls::sansFont(qreal points, bool bold)
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char* preferred :
             {"MS Sans Serif", "Microsoft Sans Serif", "Arial", "Liberation Sans", "Nimbus Sans", "Helvetica"}) {
            if (installed.contains(QLatin1String(preferred), Qt::CaseInsensitive))
                return QString::fromLatin1(preferred);
        }
        return QString();
    }();
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void Form1Controls::createControls(QWidget* client, const QString& address)
{
    using Slot = std::variant<TextBox**, ClickLabel**, Line**, QPushButton**>;
    struct Geometry {
        Slot slot;
        const char* name;
        int left, top, width, height;
        const char* caption = nullptr;
    };
    // Sign labels and fraction bars first, then the panels that cover them,
    // then the text boxes, which stay on top of all.
    // clang-format off
    const Geometry table[] = {
        {&Lblig[0], "Lblig(0)", 6960, 735, 120, 195, "="}, {&Lblig[1], "Lblig(1)", 6000, 1095, 105, 375, "-"},
        {&Lblig[2], "Lblig(2)", 6000, 2295, 105, 375, "-"}, {&Lblig[3], "Lblig(3)", 6000, 1335, 105, 375, "-"},
        {&Lblig[4], "Lblig(4)", 6000, 2055, 105, 375, "-"}, {&Lblig[5], "Lblig(5)", 3360, 1335, 105, 375, "-"},
        {&Lblig[6], "Lblig(6)", 3360, 1095, 105, 375, "-"}, {&Lblig[7], "Lblig(7)", 3360, 2295, 105, 255, "-"},
        {&Lblig[8], "Lblig(8)", 3360, 2055, 105, 375, "-"},
        {&lines[0], "Line1", 3600, 1455, 2280, 0}, {&lines[1], "Line2", 3600, 2415, 2280, 0},
        {&lines[2], "Line3", 6240, 2415, 1920, 0}, {&lines[3], "Line4", 6240, 1455, 1920, 0},
        {&lblpantalla1, "lblpantalla1", 3360, 1080, 2550, 1815},
        {&Lblpantalla2[0], "Lblpantalla2(0)", 5970, 1110, 2265, 900},
        {&Lblpantalla2[1], "Lblpantalla2(1)", 5970, 2070, 2205, 870},
        {&Text1[0], "Text1(0)", 120, 735, 1800, 285}, {&Text1[1], "Text1(1)", 2400, 735, 1920, 285},
        {&Text1[2], "Text1(2)", 4800, 735, 2040, 285}, {&Text1[3], "Text1(3)", 7200, 735, 1800, 285},
        {&Label2, "Label2", 1920, 735, 345, 285, "X²"}, {&Label3, "Label3", 4320, 735, 345, 285, "X"},
        {&Lblsol1, "Lblsol1", 120, 1095, 795, 195, QT_TRANSLATE_NOOP("Form1", "Solución 1:")},
        {&Lblsol2, "Lblsol2", 120, 2055, 795, 195, QT_TRANSLATE_NOOP("Form1", "Solución 2:")},
        {&Label4, "Label4", 960, 1035, 2295, 285}, {&Label5, "Label5", 945, 1995, 2295, 285},
        {&Text2, "Text2", 960, 1335, 2295, 285}, {&Text3, "Text3", 960, 2295, 2295, 285},
        {&Lblarri[0], "Lblarri(0)", 3510, 1170, 2265, 285}, {&Lblaba[0], "Lblaba(0)", 3510, 1560, 2265, 285},
        {&Lblarri2[0], "Lblarri2(0)", 6240, 1170, 1920, 285}, {&lbl2[0], "lbl2(0)", 6240, 1515, 1920, 285},
        {&Lblarri[1], "Lblarri(1)", 3555, 2130, 2265, 285}, {&Lblaba[1], "Lblaba(1)", 3555, 2520, 2265, 285},
        {&Lblarri2[1], "Lblarri2(1)", 6240, 2130, 1920, 285}, {&lbl2[1], "lbl2(1)", 6240, 2475, 1920, 285},
        {&CmdCal, "CmdCal", 8280, 1695, 1215, 435, QT_TRANSLATE_NOOP("Form1", "&Calcular")},
        {&CmdSal, "CmdSal", 8280, 2655, 1215, 375, QT_TRANSLATE_NOOP("Form1", "&Salir")},
        {&Label1, "Label1", 240, 2655, 2865, 300},
    };
    // clang-format on
    for (const Geometry& row : table) {
        QWidget* control = std::visit(
            [&](auto** slot) -> QWidget* {
                using Control = std::remove_pointer_t<std::remove_pointer_t<decltype(slot)>>;
                auto* created = new Control(client);
                if constexpr (!std::is_same_v<Control, TextBox> && !std::is_same_v<Control, Line>) {
                    if (row.caption != nullptr)
                        created->setText(translated(row.caption));
                }
                return *slot = created;
            },
            row.slot);
        control->setObjectName(QLatin1String(row.name));
        // A fraction bar is one pixel high, whatever the resolution.
        control->setGeometry(px(row.left), px(row.top - kToolbarHeight), px(row.width),
                             row.height == 0 ? 1 : px(row.height));
    }
    Label1->setText(address);
    styleControls();
    describeControls();
}

void Form1Controls::styleControls()
{
    Lblig[0]->setFont(sansFont(8.25, true));
    for (ClickLabel* panel : {lblpantalla1, Lblpantalla2[0], Lblpantalla2[1]})
        panel->setAutoFillBackground(true);
    for (TextBox* field : Text1) {
        field->setAlignment(Qt::AlignRight);
        field->setAcceptDrops(false);  // dropped text would pass no filter
    }
    setBackground(Text1[0], Qt::white);
    Text1[3]->setText(QStringLiteral("0"));
    Label3->setToolTip(translated(QT_TRANSLATE_NOOP("Form1", "Clic: pone o quita un valor de X.")));
    for (ClickLabel* x : {Label2, Label3}) {
        x->setFont(sansFont(8.25, true));
        x->setAlignment(Qt::AlignCenter);
        x->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
    for (TextBox* copy : {Text2, Text3}) {
        copy->setFrame(false);
        setBackground(copy, Qt::white);
    }
    const std::array<TextBox*, 12> results{Label4,    Label5,    Text2,       Text3,       Lblarri[0], Lblarri[1],
                                           Lblaba[0], Lblaba[1], Lblarri2[0], Lblarri2[1], lbl2[0],    lbl2[1]};
    const QColor buttonFace = Label4->palette().color(QPalette::Button);
    for (TextBox* result : results) {
        if (result != Text2 && result != Text3) {
            setBackground(result, buttonFace);
            result->setFocusPolicy(Qt::ClickFocus);
        }
        result->setReadOnly(true);
        result->setAlignment(Qt::AlignCenter);
    }
    for (QPushButton* button : {CmdCal, CmdSal})
        button->setAutoDefault(false);

    QFont linkFont = sansFont(12);
    linkFont.setUnderline(true);
    Label1->setFont(linkFont);
    // Blue as on the web, or the desktop's link colour or a light blue where
    // blue would not read on the window's background.
    QPalette linkPalette = Label1->palette();
    const QColor windowColour = linkPalette.color(QPalette::Window);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        linkPalette.setColor(group, QPalette::WindowText,
                             readableOn(windowColour, {QColor(0, 0, 255), linkPalette.color(group, QPalette::Link),
                                                       QColor(153, 193, 241)}));
    Label1->setPalette(linkPalette);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->adjustSize();  // sized to its text, whatever the font

    const std::array<QWidget*, 8> tabOrder{Text1[0], Text1[1], Text1[2], Text1[3], CmdCal, CmdSal, Text2, Text3};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

// Names and descriptions that screen readers announce.
void Form1Controls::describeControls()
{
    const auto describe = [](QWidget* control, const QString& name, const QString& description) {
        control->setAccessibleName(name);
        control->setAccessibleDescription(description);
    };
    describe(Text1[0], translated(QT_TRANSLATE_NOOP("Form1", "Coeficiente de x²")),
             translated(QT_TRANSLATE_NOOP("Form1", "Coeficiente a del término a·x²")));
    describe(Text1[1], translated(QT_TRANSLATE_NOOP("Form1", "Coeficiente de x")),
             translated(QT_TRANSLATE_NOOP("Form1", "Coeficiente b del término b·x")));
    describe(Text1[2], translated(QT_TRANSLATE_NOOP("Form1", "Término independiente")),
             translated(QT_TRANSLATE_NOOP("Form1", "Término constante c")));
    describe(Text1[3], translated(QT_TRANSLATE_NOOP("Form1", "Lado derecho")),
             translated(QT_TRANSLATE_NOOP("Form1", "Valor d al otro lado del signo igual")));
    describe(Label3, translated(QT_TRANSLATE_NOOP("Form1", "Término lineal")),
             translated(QT_TRANSLATE_NOOP("Form1", "Clic o Alt+X: pone o quita un valor de X.")));
    describe(Label1, translated(QT_TRANSLATE_NOOP("Form1", "Página web del proyecto")),
             translated(QT_TRANSLATE_NOOP("Form1", "Clic o F1: abre la página web")));
    // Each "=" between the solutions and their fractions is drawn as two dashes.
    for (ClickLabel* sign : Lblig)
        sign->setAccessibleName(translated(QT_TRANSLATE_NOOP("Form1", "igual a")));
    for (Line* bar : lines)
        bar->setAccessibleName(translated(QT_TRANSLATE_NOOP("Form1", "fracción")));
    for (ClickLabel* cover : {lblpantalla1, Lblpantalla2[0], Lblpantalla2[1]})
        cover->setAccessibleName(translated(QT_TRANSLATE_NOOP("Form1", "Sin forma exacta")));
    const QString unsimplified = translated(QT_TRANSLATE_NOOP("Form1", "Forma exacta sin simplificar"));
    const QString simplified = translated(QT_TRANSLATE_NOOP("Form1", "Forma exacta simplificada"));
    for (int i = 0; i < 2; ++i) {
        const QString solution = translated(QT_TRANSLATE_NOOP("Form1", "solución %1")).arg(i + 1);
        const auto named = [&solution](const char* text) { return translated(text).arg(solution); };
        describe(i == 0 ? Label4 : Label5, translated(QT_TRANSLATE_NOOP("Form1", "Solución %1")).arg(i + 1),
                 named(QT_TRANSLATE_NOOP("Form1", "La %1 en forma decimal")));
        describe(i == 0 ? Text2 : Text3,
                 translated(QT_TRANSLATE_NOOP("Form1", "Solución %1 en notación científica")).arg(i + 1),
                 named(QT_TRANSLATE_NOOP("Form1", "Copia de la %1 en notación científica")));
        describe(Lblarri[i], named(QT_TRANSLATE_NOOP("Form1", "Numerador de la %1")), unsimplified);
        describe(Lblaba[i], named(QT_TRANSLATE_NOOP("Form1", "Denominador de la %1")), unsimplified);
        describe(Lblarri2[i], named(QT_TRANSLATE_NOOP("Form1", "Numerador simplificado de la %1")), simplified);
        describe(lbl2[i], named(QT_TRANSLATE_NOOP("Form1", "Denominador simplificado de la %1")), simplified);
    }
}

void Form1Controls::clearResults()
{
    lblpantalla1->show();
    for (int i = 0; i < 2; ++i) {
        Lblarri[i]->clear();
        Lblaba[i]->clear();
        lbl2[i]->clear();
        Lblarri2[i]->clear();
        Lblpantalla2[i]->show();
    }
    Label4->clear();
    Label5->clear();
}

// The solutions and the exact display; the fields are the caller's.
void Form1Controls::showResult(const trx::SolveResult& result)
{
    // The signs lie under the panels until a result uncovers them: their
    // serif face is loaded then rather than at start-up.
    for (int i = 1; i < 9; ++i)
        Lblig[i]->setFont(signFont());
    const trx::ExactForms& exact = result.exact;
    for (int i = 0; i < 2; ++i) {
        lbl2[i]->setText(exact.complexCaptions ? translated(kComplexSolution) : fromUtf8(exact.reducedDenominator[i]));
        Lblarri[i]->setText(fromUtf8(exact.numerator[i]));
    }
    Label4->setText(fromUtf8(result.solution1));
    Label5->setText(fromUtf8(result.solution2));
    lblpantalla1->setVisible(!exact.leftColumnUncovered);
    for (int i = 0; i < 2; ++i) {
        Lblaba[i]->setText(fromUtf8(exact.denominator[i]));
        Lblarri2[i]->setText(fromUtf8(exact.reducedNumerator[i]));
        Lblpantalla2[i]->setVisible(!exact.reducedRowUncovered[i]);
    }
}

// Rewrites the fields, and the solutions' copies, in the notation switched to.
void Form1Controls::showNotation(const std::array<std::string, 4>& fields, bool scientific, char separator)
{
    const auto text = [](const TextBox* box) { return box->text().toStdString(); };
    const trx::NotationTexts switched = trx::switchNotation(
        {fields, {text(Label4), text(Label5)}, {text(Text2), text(Text3)}, CopiaCientifica}, scientific, separator);
    for (std::size_t i = 0; i < Text1.size(); ++i)
        Text1[i]->setText(fromUtf8(switched.fields[i]));
    Text2->setText(fromUtf8(switched.copies[0]));
    Text3->setText(fromUtf8(switched.copies[1]));
    CopiaCientifica = switched.copiesFromSolve;
}

// Keeps the scientific copy of a numeric solution; other texts (empty, a
// complex solution, a cancellation) are copied as they are.
void Form1Controls::copyAsScientific(const TextBox* result, TextBox* copy, char separator)
{
    const std::string text = result->text().toStdString();
    if (trx::isNumeric(text, separator)) {
        copy->setText(QString::fromStdString(trx::scientificForm(text, separator)));
        CopiaCientifica = true;
    } else {
        copy->setText(result->text());
    }
}

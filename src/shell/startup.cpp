// Start-up and shutdown: restoring the user's coefficients, position,
// calculator path and options from the settings store, and the exit command
// that writes them back.

#include "shell/form1.h"
#include "shell/platform.h"
#include "solver/integer_helpers.h"
#include "solver/number_text.h"
#include "solver/run_time_error.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

const QString kSection = QStringLiteral("Valors");

char localeSeparator()
{
    return QLocale().decimalPoint() == QLatin1String(".") ? '.' : ',';
}

// A stored text read as a whole number (so "01" is 1); nothing when it is not
// a number or does not fit.
std::optional<int> storedWholeNumber(const QString& text, char separator)
{
    const std::optional<double> value = trx::parseNumber(text.toStdString(), separator);
    if (!value)
        return std::nullopt;
    try {
        return trx::toInt32(*value);
    } catch (const trx::RunTimeError&) {
        return std::nullopt;
    }
}

}  // namespace

QString Form1::setting(const char* key, const QString& fallback) const
{
    return platform_->readSetting(kSection, QLatin1String(key), fallback);
}

void Form1::storeSetting(const char* key, const QString& value)
{
    platform_->writeSetting(kSection, QLatin1String(key), value);
}

void Form1::Form_Load()
{
    MensajeCancelacion = QStringLiteral("Imposible continuar con la operación.\r\nOperación cancelada.");
    RestaurarCoeficientes();

    SeparadorDecimal = localeSeparator();
    MsgPortapapeles = QStringLiteral("No puede copiar el texto del portapapeles porque\r\nel texto numérico "
                                     "actual ya contiene un separador decimal (%1).")
                          .arg(QLatin1Char(SeparadorDecimal));
    restorePosition();
    RutaCalculadora = setting("adreca", platform_->defaultCalculator());
    setWindowTitle(QStringLiteral("Trinomix v%1.%2.%3 by %4")
                       .arg(TRX_VERSION_MAJOR)
                       .arg(TRX_VERSION_MINOR)
                       .arg(TRX_VERSION_PATCH)
                       .arg(kProgramHandle));
    CmdCal->setDefault(false);

    // Each stored option is switched on by running its own command.
    const auto storedOn = [this](const char* key) { return setting(key, QStringLiteral("0")) == QLatin1String("1"); };
    if (storedOn("ontop"))
        mnuVisible_Click();
    if (storedOn("sieg"))
        mnuIgualacero_Click();
    if (storedOn("nota"))
        mnuNota_Click();
    if (storedOn("simpli"))
        mnusimpli_Click();
    if (storedWholeNumber(setting("avan", QStringLiteral("0")), SeparadorDecimal) == 1)
        mnuAvanzado_Click();
}

// A stored text that is not a number never reaches its field: the field's
// change handling would take it for a bad paste.
void Form1::RestaurarCoeficientes()
{
    static const char* const keys[] = {"val1", "val2", "val3", "val4"};
    static const char* const defaults[] = {"1", "1", "0", "0"};
    const char separator = localeSeparator();
    for (int i = 0; i < 4; ++i) {
        const QString stored = setting(keys[i], QLatin1String(defaults[i]));
        Text1[i]->setText(trx::isNumeric(stored.toStdString(), separator) ? stored : QString());
    }
    for (int i = 0; i < 3; ++i) {
        if (Text1[i]->text().isEmpty())
            Text1[i]->setText(QStringLiteral("1"));
    }
    if (Text1[1]->text() == QLatin1String("0"))
        Label3_Click();
    if (Text1[3]->text().isEmpty())
        Text1[3]->setText(QStringLiteral("0"));
}

// The stored top-left corner, in twips; by default the window is centred.
// A corner that would leave the window outside every screen (a monitor since
// removed, a damaged store) counts as missing.
void Form1::restorePosition()
{
    const auto stored = [this](const char* key) -> std::optional<int> {
        const std::optional<double> twips = trx::parseNumber(setting(key, QString()).toStdString(), SeparadorDecimal);
        if (!twips || std::abs(*twips) > 1e9)
            return std::nullopt;
        return px(static_cast<int>(*twips));
    };
    const QPoint centre = centredPosition();
    QPoint corner(stored("lft").value_or(centre.x()), stored("tp").value_or(centre.y()));

    const QRect window(corner, frameGeometry().size());
    const auto screens = QGuiApplication::screens();
    const bool reachable = std::any_of(screens.begin(), screens.end(),
                                       [&window](const QScreen* s) { return s->geometry().intersects(window); });
    move(reachable ? corner : centre);
}

bool Form1::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && !activated_) {
        activated_ = true;
        Form_Activate();
    }
    return QMainWindow::event(event);
}

// The first activation after start: ready to type the first coefficient.
void Form1::Form_Activate()
{
    Text1[0]->setFocus();
    Text1[0]->selectAll();
}

// The program lives as long as its window: it ends when the window closes,
// by Salir or by the frame, and not when Qt judges some other closing
// window (a box, a menu) to be the last one.
void Form1::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        QCoreApplication::quit();
}

void Form1::CmdSal_Click()
{
    if (!isMinimized()) {
        storeSetting("lft", QString::number(toTwips(x())));
        storeSetting("tp", QString::number(toTwips(y())));
    }
    static const char* const keys[] = {"val1", "val2", "val3", "val4"};
    for (int i = 0; i < 4; ++i)
        storeSetting(keys[i], Text1[i]->text());
    const auto flag = [](const QAction* item) { return item->isChecked() ? QStringLiteral("1") : QStringLiteral("0"); };
    storeSetting("ontop", flag(mnuVisible));
    storeSetting("sieg", flag(mnuIgualacero));
    storeSetting("nota", flag(mnuNota));
    storeSetting("simpli", flag(mnusimpli));
    storeSetting("avan", flag(mnuAvanzado));

    if (platform_->askYesNo(this, QStringLiteral("¿Desea salir de la aplicación?"), QStringLiteral("Salir"))) {
        close();
        return;
    }
    // Declined: from now on Esc anywhere in the window asks again.
    exitOnEscape_->setEnabled(true);
}

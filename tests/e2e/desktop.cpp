// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QThread>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

QString display;
std::unique_ptr<QProcess> xvfb;
std::unique_ptr<QProcess> windowManager;

QProcessEnvironment desktopEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));  // whatever the tests run under
    return environment;
}

// Where the window's controls are, in the layout's units (1/15 pixel at
// 96 dots per inch), measured from the top of the menu bar's lower edge.
struct Place {
    int left, top, width, height;
};
const std::map<QString, Place> kPlaces = {
    {QStringLiteral("Text1(0)"), {120, 735, 1800, 285}},
    {QStringLiteral("Text1(1)"), {2400, 735, 1920, 285}},
    {QStringLiteral("Text1(2)"), {4800, 735, 2040, 285}},
    {QStringLiteral("Text1(3)"), {7200, 735, 1800, 285}},
    {QStringLiteral("Label3"), {4320, 735, 345, 285}},
    {QStringLiteral("Label4"), {960, 1035, 2295, 285}},
    {QStringLiteral("Text2"), {960, 1335, 2295, 285}},
    {QStringLiteral("CmdCal"), {8280, 1695, 1215, 435}},
    {QStringLiteral("CmdSal"), {8280, 2655, 1215, 375}},
    {QStringLiteral("lblpantalla1"), {3360, 1080, 2550, 1815}},
    {QStringLiteral("Label5"), {945, 1995, 2295, 285}},
    {QStringLiteral("Form1"), {8700, 2250, 300, 300}},  // background between the two buttons
};
constexpr int kClientHeightPx = 231;  // the layout's client area, toolbar included

int px(int twips)
{
    return (twips + 7) / 15;
}

}  // namespace

QString run(const QString& command, const QStringList& arguments)
{
    QStringList words = command.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString program = words.takeFirst();
    QProcess process;
    process.setProcessEnvironment(desktopEnvironment());
    process.start(program, words + arguments);
    if (!process.waitForFinished(20000))
        process.kill();
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

bool waitFor(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(20);
    }
    return true;
}

// Xvfb and openbox, started once for the test binary and killed by their
// process ids at its end.
class Desktop : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;
};

void Desktop::SetUp()
{
    // Xvfb picks a free display and writes its number on the descriptor.
    xvfb = std::make_unique<QProcess>();
    xvfb->start(QStringLiteral("Xvfb"),
                QStringLiteral("-displayfd 1 -screen 0 1280x800x24 -nolisten tcp -noreset").split(QLatin1Char(' ')));
    ASSERT_TRUE(waitFor([] {
        xvfb->waitForReadyRead(100);
        return xvfb->canReadLine();
    })) << "Xvfb did not start";
    display = QLatin1Char(':') + QString::fromLatin1(xvfb->readLine()).trimmed();

    windowManager = std::make_unique<QProcess>();
    windowManager->setProcessEnvironment(desktopEnvironment());
    windowManager->start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    ASSERT_TRUE(waitFor([] {
        return run(QStringLiteral("xprop -root _NET_SUPPORTING_WM_CHECK")).contains(QLatin1String("window id"));
    })) << "openbox did not start";
}

void Desktop::TearDown()
{
    for (auto* process : {windowManager.get(), xvfb.get()}) {
        if (process != nullptr) {
            process->kill();
            process->waitForFinished();
        }
    }
}

Session::Session(const QStringList& environment, const QString& storedSettings)
{
    if (!storedSettings.isEmpty()) {
        QDir(config_.path()).mkpath(QStringLiteral("Trx"));
        QFile file(config_.filePath(QStringLiteral("Trx/Trx.ini")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(storedSettings.toUtf8());
    }
    QProcessEnvironment variables = desktopEnvironment();
    variables.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
    variables.remove(QStringLiteral("LC_ALL"));
    variables.insert(QStringLiteral("LANG"), QStringLiteral("es_ES.UTF-8"));
    variables.insert(QStringLiteral("LC_CTYPE"), QStringLiteral("C.UTF-8"));
    for (const QString& variable : environment)
        variables.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
    program_.setProcessEnvironment(variables);
    program_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program_.start(QStringLiteral(TRX_PROGRAM), {});

    EXPECT_TRUE(waitFor([this] { return !window().isEmpty(); })) << "no window";
    EXPECT_TRUE(waitFor([this] { return run(QStringLiteral("xdotool getactivewindow")) == window(); }))
        << "the window never became active";
}

// Looked up each time: keeping the window above the others makes Qt create
// a new one.
QString Session::window(const QString& title) const
{
    const QString found = run(
        QStringLiteral("xdotool search --all --onlyvisible --pid %1 --name ^%2").arg(program_.processId()).arg(title));
    return found.contains(QLatin1Char('\n')) ? QString() : found;
}

Session::~Session()
{
    program_.kill();  // nothing when it has ended
    program_.waitForFinished();
}

QString Session::play(const QString& steps)
{
    QString records;
    QString lastSet;  // the clipboard as the last "@clip" left it
    QString lastBox;  // the window the last "@box" found
    QStringList pending;
    const auto flush = [this, &pending] {
        if (!pending.isEmpty())
            keys(pending.join(QLatin1Char(' ')));
        pending.clear();
    };
    for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!step.startsWith(QLatin1Char('@'))) {
            pending << step;
            continue;
        }
        flush();
        const QString argument = step.section(QLatin1Char(':'), 1);
        if (step.startsWith(QLatin1String("@click:")))
            click(argument);
        else if (step.startsWith(QLatin1String("@rclick:")))
            click(argument, 3);
        else if (step.startsWith(QLatin1String("@box:")))
            EXPECT_TRUE(waitForNewBox(argument, lastBox)) << "no box " << argument.toStdString();
        else if (step == QLatin1String("@ended"))
            EXPECT_TRUE(waitFor([this] { return !ending().isEmpty(); })) << "still running";
        else if (step.startsWith(QLatin1String("@drop:")))
            drop(argument);
        else if (step.startsWith(QLatin1String("@activate:")))
            activate(argument);
        else if (step.startsWith(QLatin1String("@clip:")))
            setClipboard(lastSet = argument);
        else if (step == QLatin1String("@copy"))
            records += play(QStringLiteral("@clip:(nada) ctrl+c @got"));
        else if (step == QLatin1String("@got")) {
            waitFor([this, &lastSet] { return clipboard() != lastSet; }, 5000);
            records += clipboard() + QStringLiteral(" ; ");
        } else
            ADD_FAILURE() << "unknown step " << step.toStdString();
    }
    flush();
    return records;
}

void Session::activate(const QString& title)
{
    run(QStringLiteral("xdotool search --onlyvisible --pid %1 --name ^%2 windowactivate --sync")
            .arg(QString::number(program_.processId()), title));
    EXPECT_TRUE(waitForActive(title)) << "not active: " << title.toStdString();
}

void Session::keys(const QString& keysyms)
{
    run(QStringLiteral("xdotool key --delay 25 ") + keysyms);
}

void Session::click(const QString& control, int button)
{
    const QPoint centre = placeOf(control).center();
    if (centre.isNull())
        return;  // no window to aim at: a press elsewhere could hit a title bar
    // The server handles the move before the press, so the press lands there.
    run(QStringLiteral("xdotool mousemove %1 %2 click %3").arg(centre.x()).arg(centre.y()).arg(button));
}

// xwininfo gives the client area's place on the screen; xdotool's report
// is off by the window manager's title bar.
QRect Session::clientArea(const QString& title) const
{
    const QString info = run(QStringLiteral("xwininfo -id ") + window(title));
    const auto number = [&info](const char* label) {
        static const QString pattern = QStringLiteral("%1:\\s*(-?\\d+)");
        return QRegularExpression(pattern.arg(QLatin1String(label))).match(info).captured(1).toInt();
    };
    return {number("Absolute upper-left X"), number("Absolute upper-left Y"), number("Width"), number("Height")};
}

QRect Session::placeOf(const QString& control) const
{
    const QRect client = clientArea();
    if (client.isEmpty())
        return {};
    const int menuBar = client.height() - kClientHeightPx;
    const Place& place = kPlaces.at(control);
    return {client.x() + px(place.left), client.y() + menuBar + px(place.top), px(place.width), px(place.height)};
}

// From a window of its own, put off the program's.  The programs' exchange
// during a drag shows nowhere, so the pointer pauses instead of polling.
void Session::drop(const QString& text)
{
    QProcess source;
    source.setProcessEnvironment(desktopEnvironment());
    source.start(QStringLiteral(TRX_TOOL), {QStringLiteral("drag"), text});
    const QString id = run(QStringLiteral("xdotool search --sync --onlyvisible --pid %1").arg(source.processId()));
    const QPoint to = placeOf(QStringLiteral("Text1(0)")).center();
    run(QStringLiteral("xdotool windowmove --sync %1 0 0 mousemove --window %1 30 30 mousedown 1 sleep 0.3 mousemove "
                       "%2 %3 sleep 0.3 mousemove %4 %3 sleep 0.5 mouseup 1")
            .arg(id, QString::number(to.x() - 2), QString::number(to.y()), QString::number(to.x())));
    EXPECT_TRUE(source.waitForFinished(15000)) << "the drag did not end";
}

QString Session::shot(const QString& control) const
{
    const QRect r = placeOf(control);
    return run(QStringLiteral(TRX_TOOL " grab %1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()));
}

QString Session::activeTitle() const
{
    return run(QStringLiteral("xdotool getactivewindow getwindowname"));
}

bool Session::waitForActive(const QString& title)
{
    return waitFor([this, &title] { return activeTitle().startsWith(title); });
}

// A box that follows one of the same title ("Error" after "Error") is only
// found once the first has closed.
bool Session::waitForNewBox(const QString& title, QString& lastBox)
{
    return waitFor([&] {
        const QString active = run(QStringLiteral("xdotool getactivewindow"));
        if (active == lastBox || !run(QStringLiteral("xdotool getwindowname ") + active).startsWith(title))
            return false;
        lastBox = active;
        return true;
    });
}

void Session::setClipboard(const QString& text)
{
    // xclip keeps the selection from a process of its own until another
    // client takes it; its output goes nowhere, so nobody waits for it.
    run(QStringLiteral("sh -c"), {QStringLiteral("printf %s \"$1\" | xclip -selection clipboard -i >/dev/null 2>&1"),
                                  QStringLiteral("sh"), text});
    EXPECT_TRUE(waitFor([this, &text] { return clipboard() == text; }));
}

QString Session::clipboard()
{
    return run(QStringLiteral("xclip -selection clipboard -o"));
}

QString Session::quit(const QString& exitTitle)
{
    if (ending().isEmpty()) {  // not yet left by the steps
        keys(QStringLiteral("ctrl+s"));
        if (!waitForActive(exitTitle))
            return QStringLiteral("no exit question");
        keys(QStringLiteral("Return"));
        program_.waitForFinished(15000);
    }
    const QString end = ending();
    if (end != QLatin1String("ended with status 0"))
        return QStringLiteral("after Sí: ") + (end.isEmpty() ? QStringLiteral("still running") : end);
    return storedFields().join(QLatin1Char('|'));
}

QString Session::ending()
{
    // Without an event loop QProcess learns of the end only while waiting.
    program_.waitForFinished(0);
    if (program_.state() != QProcess::NotRunning)
        return {};
    if (program_.exitStatus() == QProcess::CrashExit)
        return QStringLiteral("crashed");
    return QStringLiteral("ended with status %1").arg(program_.exitCode());
}

QString Session::settingsFile() const
{
    return config_.filePath(QStringLiteral("Trx/Trx.ini"));
}

QStringList Session::storedFields() const
{
    QSettings store(settingsFile(), QSettings::IniFormat);
    QStringList values;
    for (const char* key : {"val1", "val2", "val3", "val4"})
        values << store.value(QStringLiteral("Valors/") + QLatin1String(key)).toString();
    return values;
}

int Session::visibleWindows() const
{
    return static_cast<int>(run(QStringLiteral("xdotool search --onlyvisible --pid %1").arg(program_.processId()))
                                .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                .size());
}

QRect Session::frame(const QString& title) const
{
    // _NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom
    const QStringList extents = run(QStringLiteral("xprop -id %1 _NET_FRAME_EXTENTS").arg(window(title)))
                                    .section(QLatin1Char('='), 1)
                                    .split(QLatin1Char(','));
    if (extents.size() != 4)
        return {};
    return clientArea(title).adjusted(-extents[0].toInt(), -extents[2].toInt(), extents[1].toInt(), extents[3].toInt());
}

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new Desktop);
    return RUN_ALL_TESTS();
}

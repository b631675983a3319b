// SPDX-License-Identifier: GPL-3.0-or-later
// The Practicar window: the verdicts a student sees for typed answers, and
// a 20-exercise worksheet with its key as a PDF (read back with poppler's
// pdfinfo and pdftotext).

#include "practice_window/practicar.h"
#include "window_harness.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// Integer roots from seed 42, so the answers below can be written from the
// exercise's own roots.
Practicar* openPractice(WindowHarness& harness)
{
    harness.platform.memoryStore.write({{"practica_tipos", "0"}, {"practica_semilla", "42"}});
    harness.action(QStringLiteral("mnuPracticar"))->trigger();
    return harness.form.findChild<Practicar*>(QStringLiteral("Practicar"));
}

QString rootText(const Practicar& window, int index)
{
    return QString::fromStdString(window.exercise().roots[index].real.rational.get_str());
}

TEST(Practicar, VerdictsAndScore)
{
    WindowHarness harness;
    Practicar* window = openPractice(harness);
    ASSERT_NE(window, nullptr);
    const QString first = rootText(*window, 0);
    const QString second = rootText(*window, 1);
    const QString doubled = QString::fromStdString(mpz_class(2 * window->exercise().roots[0].real.rational).get_str());
    const struct {
        QString lines[2];
        QString verdict;  // its beginning
        QString score;
    } cases[] = {
        {{doubled + "/2", second}, "Correcto; más simple: ", "Aciertos: 1 de 1"},
        {{first, second + "+1"}, "Una solución está bien", "Aciertos: 1 de 1"},
        {{"1 +", second}, "Solución 1, carácter 4: ", "Aciertos: 1 de 1"},
        {{second, first}, "Correcto.", "Aciertos: 1 de 1"},
    };
    for (const auto& typed : cases) {
        for (int line = 0; line < 2; ++line) {
            QLineEdit* answer = harness.find<QLineEdit>(QStringLiteral("PracticaSolucion%1").arg(line + 1));
            answer->clear();
            QTest::keyClicks(answer, typed.lines[line]);
        }
        QTest::keyClick(harness.find<QLineEdit>(QStringLiteral("PracticaSolucion2")), Qt::Key_Return);
        EXPECT_TRUE(harness.text(QStringLiteral("PracticaVeredicto")).startsWith(typed.verdict))
            << harness.text(QStringLiteral("PracticaVeredicto")).toStdString();
        EXPECT_EQ(harness.label(QStringLiteral("PracticaAciertos"))->text(), typed.score);
    }
    window->copyEquation();
    ASSERT_TRUE(harness.platform.clipboard);
    EXPECT_EQ(harness.platform.clipboard->text().toStdString(), window->exercise().text);
    EXPECT_EQ(harness.platform.memoryStore.read("practica_semilla"), "42");
}

QString poppler(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(Practicar, WorksheetAndKeyAsPdf)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    WindowHarness harness;
    Practicar* window = openPractice(harness);
    QTemporaryDir folder;
    const struct {
        bool fullWorking;
        int fewestPages;
    } keys[] = {{false, 3}, {true, 6}};
    QString sheetText;
    for (const auto& key : keys) {
        const QString path = folder.filePath(QStringLiteral("hoja.pdf"));
        ASSERT_TRUE(window->exportWorksheet(path, 20, key.fullWorking));
        const QString info = poppler(QStringLiteral("pdfinfo"), {path});
        const int pages = info.section(QStringLiteral("Pages:"), 1).trimmed().section(QLatin1Char('\n'), 0, 0).toInt();
        EXPECT_GE(pages, key.fewestPages) << info.toStdString();
        const QString text = poppler(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        for (const char* expected : {"Semilla: 42.", "Ejercicio 20", "Soluciones"})
            EXPECT_TRUE(text.contains(QLatin1String(expected))) << expected;
        // The same seed, the same exercises, whatever the key.
        const QString sheet = text.section(QStringLiteral("Soluciones"), 0, 0);
        EXPECT_TRUE(sheetText.isEmpty() || sheet == sheetText);
        sheetText = sheet;
    }
}

}  // namespace

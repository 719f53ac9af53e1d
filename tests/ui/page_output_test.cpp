// The page's Qt back ends: the preview image, a printer printing to PDF, the PDF file, the output fonts.
#include "core/output/rtf_writer.h"
#include "core/util/failure.h"
#include "render/output_fonts.h"
#include "render/page_devices.h"
#include "tests/support/fixtures.h"
#include "tests/support/tiny_crossword.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

using namespace qm;

class PageOutputTest : public QObject {
    Q_OBJECT

private:
    test::TempDir dir_;

    /// The output of a poppler tool on a file; skips the test when the tool is missing.
    static QString Poppler(const QString& tool, const QStringList& args, bool& found)
    {
        found = !QStandardPaths::findExecutable(tool).isEmpty();
        if (!found) return {};
        QProcess p;
        p.start(tool, args);
        p.waitForFinished(30000);
        // Runs of blanks collapse: the tools lay out by position, not by the blanks drawn.
        return QString::fromUtf8(p.readAllStandardOutput()).replace(QRegularExpression(" +"), " ");
    }

private slots:
    void previewIsAnA4PageWithABorderAndTheBlockedSquares()
    {
        QuillmereState state = test::TinyCrosswordState();
        const QImage image = render::RenderPreviewImage(state, OutputMode::CompletedGridAndClues);
        QCOMPARE(image.size(), QSize(435, 615));
        QCOMPARE(QColor(image.pixel(0, 0)), QColor(Qt::black));
        QCOMPARE(QColor(image.pixel(434, 614)), QColor(Qt::black));
        QCOMPARE(QColor(image.pixel(217, 600)), QColor(Qt::white));
        // The blocked top-left square (75..95 mm across, 34..54 mm down) in Grey 30%.
        const double px = 435.0 / 210;
        QCOMPARE(QColor(image.pixel(qRound(85 * px), qRound(44 * px))), QColor(0xAF, 0xAF, 0xAF));
        // A letter square is white with a black outline.
        QCOMPARE(QColor(image.pixel(qRound(97 * px), qRound(36 * px))), QColor(Qt::white));

        state.Output.Blocking = 0;
        const QImage white = render::RenderPreviewImage(state, OutputMode::CompletedGridAndClues);
        QCOMPARE(QColor(white.pixel(qRound(85 * px), qRound(44 * px))), QColor(Qt::white));

        state.Xw.WordSlotCount = 0;  // nothing on display: an empty page
        const QImage empty = render::RenderPreviewImage(state, OutputMode::CompletedGridAndClues);
        for (int y = 2; y < 613; y += 7)
            for (int x = 2; x < 433; x += 7) QCOMPARE(QColor(empty.pixel(x, y)), QColor(Qt::white));
    }

    void pdfFileIsOneA4PageWithThePrintedTexts()
    {
        const QuillmereState state = test::TinyCrosswordState();
        const std::string path = dir_.File("page.pdf");
        render::WritePdfFile(path, state, OutputMode::CompletedGridAndClues);
        bool found = false;
        const QString info = Poppler("pdfinfo", {QString::fromStdString(path)}, found);
        if (!found) QSKIP("pdfinfo (poppler-utils) is not installed");
        QVERIFY2(info.contains("Pages: 1\n"), qPrintable(info));
        QVERIFY2(info.contains("Page size: 595 x 842 pts (A4)"), qPrintable(info));
        const QString text = Poppler("pdftotext", {"-layout", QString::fromStdString(path), "-"}, found);
        for (const char* expected : {"Filename: tiny.xwd", "3x3 squares", "Created: 7 Mar 2024", "6 words", "with 'Quillmere'",
                                     "7 letters", "Tiny", "Across", "Down", "Located (2)", "Poem (2,1)", "Do re mi & <so> (2)", "1", "4"})
            QVERIFY2(text.contains(QString::fromLatin1(expected)), qPrintable("missing " + QString(expected) + " in\n" + text));
    }

    void printerPrintingToPdfDrawsTheSamePage()
    {
        const QuillmereState state = test::TinyCrosswordState();
        const QString path = QString::fromStdString(dir_.File("printed.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
        printer.setDocName(render::PrintJobTitle);
        render::PrintPage(printer, state, OutputMode::AnswerClueListAlpha);
        bool found = false;
        const QString text = Poppler("pdftotext", {"-layout", path, "-"}, found);
        if (!found) QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY2(text.contains("Answers (alphabetical) and Clues"), qPrintable(text));
        const qsizetype first = text.indexOf("ADE - Drink (1D)");
        const qsizetype last = text.indexOf("WE - Us (4A)");
        QVERIFY2(first >= 0 && last > first, qPrintable(text));
    }

    void blockingSwatchesUseThePageBrushes()
    {
        QCOMPARE(QColor(render::BlockingSwatch(3).pixel(8, 8)), QColor(0xAF, 0xAF, 0xAF));
        QCOMPARE(QColor(render::BlockingSwatch(5).pixel(8, 8)), QColor(Qt::black));
        QCOMPARE(QColor(render::BlockingSwatch(0).pixel(0, 0)), QColor(Qt::white));
        QCOMPARE(QColor(render::BlockingSwatch(3).pixel(0, 0)), QColor(Qt::black));
        const QImage hatch = render::BlockingSwatch(7);
        int dark = 0;
        for (int y = 1; y < 15; ++y)
            for (int x = 1; x < 15; ++x) dark += QColor(hatch.pixel(x, y)) == QColor(Qt::black);
        QVERIFY2(dark > 0 && dark < 14 * 14, qPrintable(QString::number(dark)));
        QVERIFY_THROWS_EXCEPTION(Failure, render::BlockingSwatch(9));
    }

    void outputFonts()
    {
        QCOMPARE(render::FindInstalledFont("dejavu sans").value_or(""), std::string("DejaVu Sans"));
        QVERIFY(!render::FindInstalledFont("No Such Font Anywhere"));
        QVERIFY(render::IsTrueTypeFont("DejaVu Sans"));
        QVERIFY(!render::IsTrueTypeFont("No Such Font Anywhere"));

        const std::string sans = render::FontTableEntry("DejaVu Sans");
        QVERIFY2(sans.rfind(R"({\f66\fswiss\fcharset0\fprq2{\*\panose 020b)", 0) == 0, sans.c_str());
        const std::string prefix = R"({\f66\fswiss\fcharset0\fprq2{\*\panose )";
        QVERIFY2(sans.size() == prefix.size() + 20 + std::string("}DejaVu Sans;}").size(), sans.c_str());
        QVERIFY2(sans.substr(prefix.size() + 20) == "}DejaVu Sans;}", sans.c_str());
        const std::string mono = render::FontTableEntry("DejaVu Sans Mono");
        QVERIFY2(mono.rfind(R"({\f66\fmodern\fcharset0\fprq1{\*\panose )", 0) == 0, mono.c_str());
        const std::string serif = render::FontTableEntry("DejaVu Serif");
        QVERIFY2(serif.rfind(R"({\f66\froman\fcharset0\fprq2{\*\panose 02)", 0) == 0, serif.c_str());
        QCOMPARE(render::FontTableEntry("No Such Font Anywhere"), std::string());
    }
};

QTEST_MAIN(PageOutputTest)
#include "page_output_test.moc"

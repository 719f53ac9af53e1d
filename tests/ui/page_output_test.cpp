// The page's Qt back ends: the preview image, a printer printing to PDF, the PDF file and its pages,
// the class sheet, the output fonts.
#include "core/output/clipboard_text.h"
#include "core/output/page_texts.h"
#include "core/output/rtf_writer.h"
#include "core/util/failure.h"
#include "render/output_fonts.h"
#include "render/page_devices.h"
#include "render/qt_page_canvas.h"
#include "tests/support/fixtures.h"
#include "tests/support/paged_crossword.h"
#include "tests/support/tiny_crossword.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
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

    /// The text of one page of a PDF file in the order it was drawn, every run of blanks and line
    /// ends made one blank: a clue wrapped over lines reads as it was written.
    static QString PdfPageText(const std::string& path, int page, bool& found)
    {
        const QString n = QString::number(page);
        return Poppler("pdftotext", {"-raw", "-f", n, "-l", n, QString::fromStdString(path), "-"}, found).simplified();
    }

    /// The number of pages pdfinfo gives for a PDF file; 0 when it cannot say.
    static int PdfPageCount(const std::string& path, bool& found)
    {
        const QString info = Poppler("pdfinfo", {QString::fromStdString(path)}, found);
        const QRegularExpressionMatch m = QRegularExpression("Pages: (\\d+)\n").match(info);
        return m.hasMatch() ? m.captured(1).toInt() : 0;
    }

    /// Prints the pages of a mode on a printer set up as the print dialog leaves it, printing to a PDF file.
    static void PrintToPdf(const QString& path, const QuillmereState& state, OutputMode mode)
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Portrait);
        printer.setDocName(render::PrintJobTitle);
        render::PrintPages(printer, state, mode);
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
        PrintToPdf(path, state, OutputMode::AnswerClueListAlpha);
        bool found = false;
        const QString text = Poppler("pdftotext", {"-layout", path, "-"}, found);
        if (!found) QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY2(text.contains("Answers (alphabetical) and Clues"), qPrintable(text));
        const qsizetype first = text.indexOf("ADE - Drink (1D)");
        const qsizetype last = text.indexOf("WE - Us (4A)");
        QVERIFY2(first >= 0 && last > first, qPrintable(text));
    }

    void everyClueOfALongPrintoutIsOnOnePageOfThePdfFile()
    {
        const QuillmereState state = test::PagedCrosswordState();
        const Crossword& xw = state.Xw;
        for (const OutputMode mode : {OutputMode::EmptyGridAndClues, OutputMode::CompletedGridAndClues, OutputMode::ClueListOnly,
                                      OutputMode::AnswerClueListAlpha}) {
            const QString name = QString("mode %1").arg(static_cast<int>(mode));
            const std::string path = dir_.File("long" + std::to_string(static_cast<int>(mode)) + ".pdf");
            const int written = render::WritePdfFile(path, state, mode);
            bool found = false;
            const int pages = PdfPageCount(path, found);
            if (!found) QSKIP("pdfinfo (poppler-utils) is not installed");
            QVERIFY2(pages >= 2, qPrintable(name));
            QCOMPARE(written, pages);
            QCOMPARE(render::PrintedPageCount(state, mode), pages);
            QStringList texts;
            for (int page = 1; page <= pages; ++page) texts << PdfPageText(path, page, found);
            for (int i = 1; i <= xw.WordSlotCount; ++i) {
                const std::string clue = mode == OutputMode::AnswerClueListAlpha ? AnswerClueLine(xw.Slot(i)) : PageClueText(xw.Slot(i));
                const QString wanted = QString::fromLatin1(clue.c_str()).simplified();
                int holding = 0;
                for (const QString& text : texts) holding += static_cast<int>(text.count(wanted));
                QVERIFY2(holding == 1, qPrintable(name + ": " + wanted + QString(" is printed %1 times").arg(holding)));
            }
            // Every page after the first goes on under a heading that says so, below the title.
            for (int page = 2; page <= pages; ++page) {
                const QString& text = texts[page - 1];
                QVERIFY2(text.contains("Long Clues") && text.contains("(continued)"), qPrintable(text));
            }
        }
    }

    void aPrinterPrintsEveryPageWithItsOwnMeasures()
    {
        // The printer lays the pages out with its own fonts (here 1200 dots an inch): every clue on a page.
        const QuillmereState state = test::PagedCrosswordState();
        const QString path = QString::fromStdString(dir_.File("printed-long.pdf"));
        PrintToPdf(path, state, OutputMode::ClueListOnly);
        bool found = false;
        const int pages = PdfPageCount(path.toStdString(), found);
        if (!found) QSKIP("pdfinfo (poppler-utils) is not installed");
        QVERIFY(pages >= 2);
        QString all;
        for (int page = 1; page <= pages; ++page) all += PdfPageText(path.toStdString(), page, found) + " ";
        for (int i = 1; i <= state.Xw.WordSlotCount; ++i) {
            const QString clue = QString::fromLatin1(PageClueText(state.Xw.Slot(i)).c_str());
            QVERIFY2(all.count(clue) == 1, qPrintable(clue));
        }
    }

    void thePreviewShowsThePagesOfThePdfFile()
    {
        const QuillmereState state = test::PagedCrosswordState();
        const OutputMode mode = OutputMode::CompletedGridAndClues;
        const int pages = render::PrintedPageCount(state, mode);
        QVERIFY(pages >= 2);
        const render::PreviewPage first = render::RenderPreviewPage(state, mode, 0);
        const render::PreviewPage second = render::RenderPreviewPage(state, mode, 1);
        QCOMPARE(first.Pages, pages);
        QCOMPARE(second.Page, 1);
        QCOMPARE(second.Picture.size(), QSize(435, 615));
        // The grid (row 5 opens with blocks in Grey 30%, from 73 mm across and 62 mm down) is on the first page only.
        const double px = 435.0 / 210;
        const QPoint corner(qRound(76 * px), qRound(65 * px));
        QCOMPARE(QColor(first.Picture.pixel(corner)), QColor(0xAF, 0xAF, 0xAF));
        QCOMPARE(QColor(second.Picture.pixel(corner)), QColor(Qt::white));
        QVERIFY(first.Picture != second.Picture);
        // A page beyond the last shows the last; one before the first shows the first.
        QCOMPARE(render::RenderPreviewPage(state, mode, pages + 5).Page, pages - 1);
        QCOMPARE(render::RenderPreviewPage(state, mode, -1).Picture, first.Picture);
        QCOMPARE(render::RenderPreviewPage(test::TinyCrosswordState(), mode, 3).Pages, 1);
    }

    void aTextMeasuresAsTallAsItIsDrawn()
    {
        // The layout places texts by their measured height; on the PDF writer it is the drawn one.
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(render::PdfResolution);
        QPainter painter(&writer);
        render::QtPageCanvas canvas(painter, 2480);
        canvas.SetFont("DejaVu Sans", 9, false, false);
        const std::string longClue = test::ClueOfLength(1, 200);
        struct Case {
            const char* name;
            std::string text;
            int width;
            unsigned flags;
        };
        const Case cases[] = {
            {"200 characters wrapped in a clue column", longClue, 968, TextLeft | TextWordWrap},
            {"200 characters on one line", longClue, 968, TextLeft},
            {"a short clue wrapped", "Poem (2,1)", 968, TextLeft | TextWordWrap},
            {"a paragraph as wide as the page", longClue + " " + longClue, 2244, TextWordWrap},
            {"nothing", "", 968, TextLeft | TextWordWrap},
        };
        for (const Case& c : cases) {
            const int measured = canvas.TextHeight(c.width, c.text, c.flags);
            const int drawn = canvas.DrawText({0, 0, c.width, 100000}, c.text, c.flags);
            QVERIFY2(measured == drawn, qPrintable(QString("%1: %2 measured, %3 drawn").arg(c.name).arg(measured).arg(drawn)));
        }
        QVERIFY(canvas.TextHeight(968, longClue, TextLeft | TextWordWrap) > 3 * canvas.LineHeight());
        QVERIFY(canvas.TextWidth("WWW") > canvas.TextWidth("iii"));
        painter.end();
    }

    void theClassSheetOptionsPrintTheirLinesOnTheirSheets()
    {
        struct Case {
            const char* name;
            OutputMode mode;
            bool options;
            bool nameLine, wordBank, answers;
        };
        const Case cases[] = {
            {"pupils' sheet", OutputMode::EmptyGridAndClues, true, true, true, false},
            {"answer sheet", OutputMode::CompletedGridAndClues, true, true, false, true},
            {"pupils' sheet as always", OutputMode::EmptyGridAndClues, false, false, false, false},
            {"answer sheet as always", OutputMode::CompletedGridAndClues, false, false, false, false},
        };
        for (const Case& c : cases) {
            QuillmereState state = test::TinyCrosswordState();
            state.Output.NameLine = state.Output.WordBank = state.Output.FitWidth = state.Output.AnswersHeading = c.options;
            const std::string path = dir_.File(std::string(c.name) + ".pdf");
            QCOMPARE(render::WritePdfFile(path, state, c.mode), 1);
            bool found = false;
            const QString text = PdfPageText(path, 1, found);
            if (!found) QSKIP("pdftotext (poppler-utils) is not installed");
            QVERIFY2((text.contains("Name: ___") && text.contains("Date: ___")) == c.nameLine, qPrintable(c.name + (": " + text)));
            QVERIFY2(text.contains("Name:") == c.nameLine, qPrintable(c.name + (": " + text)));
            // The word bank: the answers in alphabetical order, as shown (OD E with its break).
            QVERIFY2(text.contains("Word bank ADE AT OD E OW TE WE") == c.wordBank, qPrintable(c.name + (": " + text)));
            QVERIFY2(text.contains("Word bank") == c.wordBank, qPrintable(c.name + (": " + text)));
            QVERIFY2(text.contains("Answers") == c.answers, qPrintable(c.name + (": " + text)));
        }
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

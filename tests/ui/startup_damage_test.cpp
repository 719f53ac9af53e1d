// The main window started with a damaged WORD.LST: one clear message, the rest of the start-up done,
// and a window that keeps working.
#include "core/words/dictionary.h"
#include "tests/support/fixtures.h"
#include "tests/ui/support/find_control.h"
#include "tests/ui/support/recording_dialogs.h"
#include "ui/main_window.h"

#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <filesystem>

using namespace qm;
using namespace qm::ui;

namespace {

/// WORD.LST with n words of length 3 (more than the writer allows is patched in by hand).
std::string ThreeLetterWords(int n)
{
    std::vector<DictWord> words;
    for (int k = 0; k < std::min(n, MaxWordsPerLength); ++k) {
        std::string t = {static_cast<char>('A' + k / 676), static_cast<char>('A' + k / 26 % 26), static_cast<char>('A' + k % 26)};
        words.push_back(test::Word(t));
    }
    std::string bytes = test::DictionaryBytes(words);
    if (n > MaxWordsPerLength) {
        for (int b = 0; b < 4; ++b) bytes[static_cast<std::size_t>(b)] = static_cast<char>((static_cast<std::uint32_t>(n) >> (8 * b)) & 0xFF);
        bytes.insert(4 + static_cast<std::size_t>(MaxWordsPerLength) * 15, std::string(1, '\3') + "ZZZ" + std::string(11, '\0'));
    }
    return bytes;
}

}  // namespace

class StartupDamageTest : public QObject {
    Q_OBJECT

private slots:
    void damagedDictionaryGivesOneMessageAndTheWindowRuns_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const auto raw = [](const std::string& s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); };
        const std::string good = test::DictionaryBytes({test::Word("CAT"), test::Word("HORSE")});
        QTest::newRow("cut short") << raw(good.substr(0, good.size() - 5)) << "Read beyond end of file";
        QTest::newRow("9151 words of one length") << raw(ThreeLetterWords(9151))
                                                  << "word number (9151) exceeds array dimensions for wlen=3";
        QTest::newRow("word with a digit for initial") << raw(test::DictionaryBytes({test::Word("9AB")})) << "Assertion failure";
        QTest::newRow("negative count") << raw(std::string("\xFF\xFF\xFF\xFF", 4)) << "WORD.LST is damaged";
        QTest::newRow("bytes that are no dictionary") << raw(std::string(1000, '\x7F')) << "word number (2139062143) exceeds array dimensions for wlen=3";
    }

    void damagedDictionaryGivesOneMessageAndTheWindowRuns()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        test::TempDir dir;
        test::WriteFile(dir.File("WORD.LST"), bytes.toStdString());
        uitest::RecordingDialogs::Log log;
        StartupOptions options;
        options.DataDirs = {QString::fromStdString(dir.Path().string())};
        auto w = std::make_unique<MainWindow>(options, std::make_unique<uitest::RecordingDialogs>(log));
        w->show();
        QTest::qWait(10);

        QCOMPARE(log.Messages.size(), 1);
        QVERIFY2(log.Messages[0].startsWith("error: " + message), qPrintable(log.Messages[0]));
        QVERIFY(w->isVisible());
        for (int L = MinWordLength; L <= MaxWordLength; ++L) QCOMPARE(w->State().Dict.Count(L), 0);
        // The steps after the dictionary still ran: the stock grid sizes are listed.
        QCOMPARE(uitest::FindControl<QListWidget>(w.get(), "StockGridListBox")->findItems("15 x 15", Qt::MatchExactly).size(), 1);

        // The window keeps working: the symmetrical road opens its Setup page.
        QTest::mouseClick(uitest::FindControl<QPushButton>(w.get(), "SymmetricBitBtn"), Qt::LeftButton);
        QTest::qWait(10);
        auto* left = uitest::FindControl<QTabWidget>(w.get(), "PageControlLeft");
        QVERIFY(left->currentWidget()->objectName() != "TabsheetHome");
        QVERIFY(w->isVisible());
    }
};

QTEST_MAIN(StartupDamageTest)
#include "startup_damage_test.moc"

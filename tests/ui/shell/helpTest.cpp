#include "support/UiTest.h"

#include "store/text/Cp1253.h"
#include "ui/services/WindowRegistry.h"
#include "ui/shell/help.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <string>
#include <vector>

namespace velmora::test {
namespace {

using ui::help;
using ui::WindowRegistry;

class helpTest : public UiTest {};

TEST_F(helpTest, TextIsKeptByteForByte) {
    // Windows-1253, as the text has always been kept: tabs, trailing blanks and CR LF included.
    const std::string expected =
        "\t\xD4\xEF \xD0\xF1\xFC\xE3\xF1\xE1\xEC\xEC\xE1 \xF5\xF0\xEF\xEB\xEF\xE3\xDF\xE6\xE5\xE9 "
        "\xF4\xE9\xF2 \xE1\xEC\xEF\xE9\xE2\xDD\xF2 \r\n";
    const auto encoded = store::Cp1253::encode(help::text().toStdString());
    ASSERT_TRUE(encoded.has_value());
    EXPECT_EQ(encoded->substr(0, expected.size()), expected);

    const QStringList lines = help::text().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 13);
    EXPECT_TRUE(lines.last().isEmpty()) << "the last line ends with CR LF too";
    EXPECT_EQ(help::text().count(QLatin1Char('\n')), 12);
    EXPECT_EQ(help::text().count(QLatin1Char('\r')), 12);
    const std::vector<std::string> expectedLines = {
        "\tΤο Πρόγραμμα υπολογίζει τις αμοιβές ",
        "Τοπογραφικών διαγραμμάτων βάσει του ΠΔ 696.",
        "\tΗ διάρθρωσή του σε γενικές γραμμές έγινε ώστε ",
        "να είναι φιλικό στο χρήστη. ",
        "\tΑν και όσες φορές δοκιμάστηκε το πρόγραμμα ",
        "δούλεψε αρκετά καλά, ο Νόμος του Μέρφυ δεν αποκλείει ",
        "κάποιο λάθος που δεν έχει εμφανιστεί να δημιουργήσει ",
        "προβλήματα. Για αυτά τα προβλήματα όπως και για κάθε ",
        "άλλη παρατήρηση ή ερώτηση μπορείτε να επικοινωνήσετε ",
        "μαζί μου στα:",
    };
    for (std::size_t i = 0; i < expectedLines.size(); ++i)
        EXPECT_EQ(lines[static_cast<qsizetype>(i)].toStdString(), expectedLines[i]) << i + 1;
    // The support desk is the packager's to name; a build without one shows the labels alone.
    const QStringList named = help::text(QStringLiteral("2101234567"), QStringLiteral("a@b.gr"))
                                  .split(QStringLiteral("\r\n"));
    EXPECT_EQ(named[10], QStringLiteral("\tΤηλ:    2101234567"));
    EXPECT_EQ(named[11], QStringLiteral("\te-mail: a@b.gr"));
    const QStringList unnamed = help::text({}, {}).split(QStringLiteral("\r\n"));
    EXPECT_EQ(unnamed[10], QStringLiteral("\tΤηλ:    "));
    EXPECT_EQ(unnamed[11], QStringLiteral("\te-mail: "));
}

TEST_F(helpTest, WindowShowsTheTextAndClosesWithOk) {
    help* window = WindowRegistry::show<help>();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Βοήθεια......"));
    EXPECT_EQ(window->Text1->toPlainText(),
              QString(help::text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // Every line stands on one line of the box, however narrow the box is for it.
    const QTextDocument* document = window->Text1->document();
    for (QTextBlock line = document->begin(); line.isValid(); line = line.next()) {
        document->documentLayout()->blockBoundingRect(line);
        EXPECT_EQ(line.layout()->lineCount(), 1) << line.text().toStdString();
    }
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    window->OKButton->click();
    settle();
    EXPECT_EQ(WindowRegistry::find<help>(), nullptr);
}

TEST_F(helpTest, EveryLineShowsWholeWithoutScrolling) {
    help* window = WindowRegistry::show<help>();
    settle();
    EXPECT_EQ(window->Text1->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(window->Text1->verticalScrollBar()->maximum(), 0);
}

} // namespace
} // namespace velmora::test

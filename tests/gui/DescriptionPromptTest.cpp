#include "GuiFixture.h"

#include "log/BeschreibungDlg.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>

#include <gtest/gtest.h>

namespace {

struct DescriptionPromptTest : ::testing::Test {
    GuiWorld world;

    void Remember(std::initializer_list<std::string> texts) {
        unsigned i = 0;
        for (const std::string& text : texts) {
            world.settings.WriteSettingString("Protokoll", "MRU" + std::to_string(i++), text);
        }
    }
    std::string Confirm(const std::string& text) {
        CBeschreibungDlg dialog(world.settings, world.library.Strings());
        dialog.Combo()->lineEdit()->setText(QString::fromStdString(text));
        dialog.accept();
        return dialog.GetText();
    }
    std::string Recent(unsigned i) {
        return world.settings.ReadSettingString("Protokoll", "MRU" + std::to_string(i), "-");
    }
};

TEST_F(DescriptionPromptTest, OffersTheMostRecentDescriptionFirst) {
    Remember({"Urlaub", "", "Büro"});
    CBeschreibungDlg dialog(world.settings, world.library.Strings());
    EXPECT_EQ(dialog.GetRecent(), (std::vector<std::string>{"Urlaub", "Büro"}));
    EXPECT_EQ(dialog.Combo()->currentText().toStdString(), "Urlaub");
    dialog.accept(); // OK at once confirms it, and it stays first
    EXPECT_EQ(dialog.GetText(), "Urlaub");
    EXPECT_EQ(Recent(0), "Urlaub");
    EXPECT_EQ(Recent(1), "Büro");
}

// A long remembered description does not stretch the prompt across the screen.
TEST_F(DescriptionPromptTest, KeepsASensibleWidthWithALongRememberedText) {
    Remember({std::string(124, 'W')});
    CBeschreibungDlg dialog(world.settings, world.library.Strings());
    const int widthOfEightyCharacters = dialog.fontMetrics().averageCharWidth() * 80;
    EXPECT_LT(dialog.sizeHint().width(), widthOfEightyCharacters);
    EXPECT_EQ(dialog.Combo()->itemData(0, Qt::ToolTipRole).toString().size(), 124) << "shown whole as its tooltip";
}

TEST_F(DescriptionPromptTest, TooLongTextIsRefusedAndTheDialogStays) {
    WhenModalOpens([](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->accept(); });
    EXPECT_EQ(Confirm(std::string(125, 'x')), "");
    EXPECT_EQ(Recent(0), "-");
    EXPECT_EQ(Confirm(std::string(124, 'x')), std::string(124, 'x'));
}

TEST_F(DescriptionPromptTest, NeitherEscapeNorTheCloseBoxEndsIt) {
    CBeschreibungDlg dialog(world.settings, world.library.Strings());
    dialog.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(dialog.Combo()->lineEdit(), &escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.close());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Recent(0), "-");
}

} // namespace

#include "engine/ErrorReporter.h"
#include "engine/RuntimeError.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "ui/MessageBoxErrorReporter.h"
#include "ui/MessageBoxService.h"
#include "support/TestEnvironment.h"
#include "ui/ModalScript.h"

#include <QAbstractButton>
#include <QMessageBox>

#include <gtest/gtest.h>

namespace quv {
namespace {

// What a message box showed, and which button closed it.
struct Shown {
    QString text;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Reads the next message box and presses the button with the given text, or
// Escape when the text is empty.
void answerNextBox(Shown& shown, const QString& press) {
    test::onNextModal([&shown, press](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        ASSERT_NE(box, nullptr);
        shown.text = box->text();
        shown.icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            shown.buttons << button->text();
        if (press.isEmpty()) {
            box->reject();
            return;
        }
        for (QAbstractButton* button : box->buttons())
            if (button->text() == press)
                button->click();
    });
}

TEST(MessageBoxesTest, InformationHasOnlyOkAndBreaksItsLines) {
    Shown shown;
    answerNextBox(shown, QStringLiteral("OK"));
    MessageBoxService service;
    service.information(QStringLiteral("Güncelleme işlemi durduruldu.") + QChar(13) +
                        QStringLiteral("Kritere uygun 10 föyden 7 tanesi güncellenemedi"));
    EXPECT_EQ(shown.text, QStringLiteral("Güncelleme işlemi durduruldu.\nKritere uygun 10 föyden "
                                         "7 tanesi güncellenemedi"));
    EXPECT_EQ(shown.buttons, QStringList{QStringLiteral("OK")});
}

TEST(MessageBoxesTest, AQuestionGoesOnOnlyOnEvet) {
    const struct {
        const char* press;
        bool answer;
    } cases[] = {{"Evet", true}, {"Hayır", false}, {"", false}};
    for (const auto& c : cases) {
        Shown shown;
        answerNextBox(shown, QString::fromUtf8(c.press));
        MessageBoxService service;
        EXPECT_EQ(service.question(QStringLiteral("Planı kaydetmek istiyor musunuz?")), c.answer)
            << c.press;
        EXPECT_EQ(shown.text, QStringLiteral("Planı kaydetmek istiyor musunuz?"));
        shown.buttons.sort();
        EXPECT_EQ(shown.buttons, (QStringList{QStringLiteral("Evet"), QStringLiteral("Hayır")}));
    }
}

TEST(MessageBoxesTest, ATrappedErrorShowsItsTwoLinesWithOk) {
    test::SharedStateGuard guard;
    shared().setErrorReporter(std::make_shared<MessageBoxErrorReporter>());
    Shown shown;
    answerNextBox(shown, QStringLiteral("OK"));
    const int result = trapped(QStringLiteral("Hesap.modGenel.GunSayisiBul"), -7,
                               []() -> int { throw RuntimeError::typeMismatch(); });
    EXPECT_EQ(result, -7);
    EXPECT_EQ(shown.text, QStringLiteral("Hatanın oluştuğu yer : Hesap.modGenel.GunSayisiBul\n"
                                         "Hata : 13 -> Type mismatch"));
    EXPECT_EQ(shown.buttons, QStringList{QStringLiteral("OK")});
    EXPECT_EQ(shown.icon, QMessageBox::Critical);
}

}  // namespace
}  // namespace quv

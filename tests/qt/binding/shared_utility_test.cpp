// The suite's utility component for Qt hosts: modal message boxes. A Yes
// read as No here would let the designer close over unsaved edits.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "binding_fixture.h"
#include "palvex/shared_utility.h"
#include "qt/binding/qt_shared_utility.h"

namespace palvex::qt::testing {
namespace {

// Presses `button` of the message box once it is shown, and notes its text.
void answerWhenShown(QMessageBox::StandardButton button, QString* text) {
  QTimer::singleShot(0, [=] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    *text = box->text();
    box->button(button)->click();
  });
}

class SharedUtilityTest : public BindingTest {
 protected:
  SharedUtilityTest() { installSharedUtility(detail::makeQtSharedUtility()); }
};

TEST_F(SharedUtilityTest, MessagesAndQuestionsAreModalMessageBoxes) {
  QString shown;
  answerWhenShown(QMessageBox::Ok, &shown);
  sharedUtility().showMessage("Numero inválido o fuera de rango");
  EXPECT_EQ(shown, QStringLiteral("Numero inválido o fuera de rango"));

  struct {
    QMessageBox::StandardButton answer;
    bool expected;
  } const cases[] = {{QMessageBox::Yes, true}, {QMessageBox::No, false}};
  for (const auto& c : cases) {
    answerWhenShown(c.answer, &shown);
    EXPECT_EQ(sharedUtility().askConfirmation("Crear nueva combinacion", 0, ""), c.expected);
    EXPECT_EQ(shown, QStringLiteral("Crear nueva combinacion"));
  }
}

}  // namespace
}  // namespace palvex::qt::testing

// The suite's utility component for Qt hosts: the designer's message and
// yes/no question as modal message boxes; the INI file where the core looks.

#include "qt/binding/qt_shared_utility.h"

#include <QApplication>
#include <QMessageBox>

namespace palvex::qt::detail {
namespace {

QString title() {
  const QString name = QGuiApplication::applicationDisplayName();
  return name.isEmpty() ? QStringLiteral("Palvex") : name;
}

class QtSharedUtility final : public SharedUtility {
 public:
  QtSharedUtility() : files_(makeDefaultSharedUtility()) {}

  std::string iniPath(std::string& fileName, std::string& appName) override {
    return files_->iniPath(fileName, appName);
  }

  void showMessage(const std::string& message) override {
    QMessageBox::information(QApplication::activeWindow(), title(), QString::fromStdString(message));
  }

  bool askConfirmation(const std::string& question, int, const std::string&) override {
    return QMessageBox::question(QApplication::activeWindow(), title(), QString::fromStdString(question),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
  }

 private:
  std::shared_ptr<SharedUtility> files_;
};

}  // namespace

std::shared_ptr<SharedUtility> makeQtSharedUtility() { return std::make_shared<QtSharedUtility>(); }

}  // namespace palvex::qt::detail

// The size dialog of "Nuovo...": rows and columns, digits only, checked
// against the Schema's limits before anything changes.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tessaro {

class Form0g;

namespace testi {
inline const QString FuoriLimiti = QStringLiteral("al di fuori dei limiti\r\nRiprova ...");
inline const QString TitoloErrore = QStringLiteral("E R R O R E");
}  // namespace testi

class Form0a : public QDialog {
  Q_OBJECT
 public:
  explicit Form0a(Form0g& principale);

  void Text1_Click();
  void Text2_Click();
  void Command1_Click();
  void Command2_Click();

  QLabel* Label1 = nullptr;
  QLineEdit* Text1 = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* Text2 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  Form0g& f_;
};

// The numeric value of a text: its leading number, 0 when it has none.
long valoreNumerico(const QString& testo);

}  // namespace tessaro

// The splash window: centred on the screen for four seconds, then it shows
// the main window and closes.
#pragma once

#include <QWidget>

class QTimer;

namespace tessaro {

class Environment;
class Form0g;

class Form00 : public QWidget {
  Q_OBJECT
 public:
  Form00(Environment& env, Form0g& principale);
  void Form_Load();
  void Timer1_Timer();

  QTimer* Timer1 = nullptr;

 private:
  Environment& env_;
  Form0g& principale_;
};

}  // namespace tessaro

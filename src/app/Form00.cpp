#include "app/Form00.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "app/Form0g.h"
#include "platform/Environment.h"
#include "platform/Images.h"

namespace tessaro {

namespace {
constexpr int LarghSplash = 6000, AltSplash = 4000;  // twips
}

Form00::Form00(Environment& env, Form0g& principale)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), env_(env), principale_(principale) {
  setObjectName(QStringLiteral("Form00"));
  const double tpp = env_.twipsPerPixel();
  const int w = static_cast<int>(LarghSplash / tpp);
  const int h = static_cast<int>(AltSplash / tpp);
  auto* immagine = new QLabel(this);
  immagine->setPixmap(immagineSplash(w, h));
  auto* l = new QVBoxLayout(this);
  l->setContentsMargins(0, 0, 0, 0);
  l->addWidget(immagine);
  setFixedSize(w, h);
  Timer1 = new QTimer(this);
  Timer1->setSingleShot(true);
  connect(Timer1, &QTimer::timeout, this, &Form00::Timer1_Timer);
}

void Form00::Form_Load() {
  const QSize s = env_.schermoTwips();
  const double tpp = env_.twipsPerPixel();
  move(static_cast<int>((s.width() - LarghSplash) / 2 / tpp), static_cast<int>((s.height() - AltSplash) / 2 / tpp));
  show();
  const int intervallo = env_.intervallo(4000);
  if (intervallo >= 0) Timer1->start(intervallo);
}

void Form00::Timer1_Timer() {
  Timer1->stop();
  principale_.Form_Load();
  close();
}

}  // namespace tessaro

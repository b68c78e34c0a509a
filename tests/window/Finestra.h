// Shared fixture of the window tests: Form0g offscreen with the scripted
// environment, loaded as at start-up.
#pragma once

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "app/Form0g.h"
#include "platform/ListBox.h"
#include "platform/PictureBox.h"
#include "platform/ScriptedEnvironment.h"
#include "platform/StatusBar.h"
#include "platform/ToolBar.h"
#include "schema/ui/Form0a.h"

namespace tessaro::prova {

class Finestra : public ::testing::Test {
 protected:
  void SetUp() override {
    env = std::make_unique<ScriptedEnvironment>();
    f = std::make_unique<Form0g>(*env);
    f->Form_Load();
  }
  void TearDown() override {
    f.reset();
    env.reset();
  }

  // "Nuovo..." answered with the given texts and OK; returns whether the
  // dialog closed.
  bool nuovo(const QString& righe, const QString& colonne) {
    bool chiuso = false;
    env->suModale = [&](QDialog& d) {
      auto& a = static_cast<Form0a&>(d);
      a.Text1->setText(righe);
      a.Text2->setText(colonne);
      a.Command1_Click();
      chiuso = !a.isVisible();
    };
    f->menuNuovo_Click();
    env->suModale = nullptr;
    return chiuso;
  }

  // A Schema from row strings, as an opened file would give it.
  void schemaDa(std::vector<std::string> righe) {
    const auto r = static_cast<std::int16_t>(righe.size());
    const auto c = static_cast<std::int16_t>(righe.front().size());
    f->schema.carica(r, c, std::move(righe));
    f->Inizio();
  }

  QColor pixel(double x, double y) const { return f->Peri->immagine().pixelColor(f->Peri->inPixel(x, y)); }

  std::unique_ptr<ScriptedEnvironment> env;
  std::unique_ptr<Form0g> f;
};

}  // namespace tessaro::prova

// Shared fixture of the window tests: Form0g offscreen with the scripted
// environment, loaded as at start-up.
#pragma once

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QPushButton>
#include <QTest>
#include <array>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ContenitoreDiz.h"

#include "app/Form0g.h"
#include "platform/ListBox.h"
#include "platform/PictureBox.h"
#include "platform/ScriptedEnvironment.h"
#include "platform/StatusBar.h"
#include "platform/ToolBar.h"
#include "schema/ui/Form0a.h"

namespace tessaro::prova {

using Testi = std::vector<std::string>;
using Quattro = std::array<int, 4>;

class Finestra : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    riapri();
  }
  // A fresh window on a fresh environment, loaded as at start-up.
  void riapri() {
    f.reset();
    env = std::make_unique<ScriptedEnvironment>();
    f = std::make_unique<Form0g>(*env);
    f->Form_Load();
  }
  void TearDown() override {
    f.reset();
    env.reset();
    if (!cartellaPrima.isEmpty()) QDir::setCurrent(cartellaPrima);
    cartella.reset();
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

  // Writes the dictionaries (name -> entries, joined by CR LF; a ".diz" name
  // gets the container) into a fresh program folder, makes it the current
  // folder and runs the loader as the timer would.
  void carica(const std::map<std::string, std::vector<std::string>>& dizionari) {
    std::map<std::string, std::string> file;
    for (const auto& [nome, voci] : dizionari) {
      const std::string testo = unite(voci);
      const bool diz = nome.size() > 4 && nome.compare(nome.size() - 4, 4, ".diz") == 0;
      file[nome] = diz ? codificaDiz(testo) : testo;
    }
    caricaGrezzi(file);
  }
  // The same with the files' bytes as given.
  void caricaGrezzi(const std::map<std::string, std::string>& file) {
    cartella = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(cartella->isValid());
    for (const auto& [nome, byte] : file)
      scrivi(cartella->filePath(QString::fromStdString(nome)), QByteArray::fromStdString(byte));
    if (cartellaPrima.isEmpty()) cartellaPrima = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(cartella->path()));
    f->CartellaProg = cartella->path();
    f->Timer0_Timer();
  }
  // The entries as a plain dictionary text.
  static std::string unite(const std::vector<std::string>& voci) {
    std::string t;
    for (const auto& v : voci) t += v + "\r\n";
    return t;
  }
  // The base dictionary alone.
  void caricaBase(const std::vector<std::string>& voci) { carica({{"base.diz", voci}}); }

  QColor pixel(double x, double y) const { return f->Peri->immagine().pixelColor(f->Peri->inPixel(x, y)); }

  // The base dictionary and the grid loaded, the tool picked, no beeps yet.
  void prepara(const Testi& voci, const Testi& griglia, const char* tasto) {
    caricaBase(voci);
    schemaDa(griglia);
    f->Tlb1_ButtonClick(QString::fromLatin1(tasto));
    env->beeps = 0;
  }
  // A plain click on cell (r, c): button down, release, click.
  void clic(int r, int c) {
    f->Peri_MouseDown(1, 0, c + 0.5, r + 0.5);
    f->Peri_MouseUp(1, 0, c + 0.5, r + 0.5);
    f->Peri_Click();
  }
  // A click on line i of the result list.
  void scegli(int i) {
    f->Lists->setListIndex(i);
    f->Lists_Click();
  }
  Testi righe() const {
    Testi v;
    for (const auto& s : f->Lists->righe()) v.push_back(s.toStdString());
    return v;
  }
  // Status panels 2 to `ultimo`.
  Testi pannelli(int ultimo = 3) const {
    Testi v;
    for (int n = 2; n <= ultimo; ++n) v.push_back(f->Stb1->text(n).toStdString());
    return v;
  }
  // The red frame: column, row, width, height.
  Quattro evid() const { return {f->EvidCol, f->EvidRiga, f->EvidLarg, f->EvidAlt}; }
  // Every box shown, as "title|style|text".
  Testi scatole() const {
    Testi v;
    for (const auto& b : env->box) v.push_back(scatola(b.titolo, b.stile, b.testo));
    return v;
  }
  static std::string scatola(const QString& titolo, int stile, const QString& testo) {
    return (titolo + '|' + QString::number(stile) + '|' + testo).toStdString();
  }
  // How many of the four free-length buttons are enabled.
  int comandiAbilitati() const {
    return f->Command1->isEnabled() + f->Command2->isEnabled() + f->Command3->isEnabled() + f->Command4->isEnabled();
  }
  // A file in the test's own temporary folder.
  QString percorso(const QString& nome) const { return dir.filePath(nome); }
  static void scrivi(const QString& p, const QByteArray& byte) {
    QFile file(p);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(byte), byte.size());
  }
  static QByteArray leggi(const QString& p) {
    QFile file(p);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<assente>";
  }

  std::unique_ptr<ScriptedEnvironment> env;
  std::unique_ptr<Form0g> f;
  std::unique_ptr<QTemporaryDir> cartella;  // the program folder, once loaded
  QTemporaryDir dir;                        // for the test's own files
  QString cartellaPrima;
};

}  // namespace tessaro::prova

// "Esci", the window's close and the guide behind "Istruzioni generali".
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "Finestra.h"

namespace tessaro::prova {
namespace {

class Uscita : public Finestra {
 protected:
  void SetUp() override {
    Finestra::SetUp();
    // Closing the test's window must not end the test run.
    QApplication::setQuitOnLastWindowClosed(false);
    schemaDa({"CANE", "????"});
    f->Salvacome->setEnabled(true);
  }
};

using Guida = Finestra;

TEST_F(Uscita, SenzaModificheNonChiedeNulla) {
  EXPECT_TRUE(f->close());
  EXPECT_FALSE(f->isVisible());
  f->menuEsci_Click();
  EXPECT_TRUE(env->terminato);
  EXPECT_TRUE(env->box.empty());
  EXPECT_EQ(f->Peri->mousePointer(), PictureBox::Clessidra);
  EXPECT_EQ(f->Lists->mousePointer(), PictureBox::Clessidra);
}

// "Esci" and the window's close ask the same question: Annulla and Sì with
// the save dialog cancelled go on, No ends without saving.
TEST_F(Uscita, EsciEChiusuraConLeTreRisposte) {
  f->Modificato = 1;
  const std::pair<int, bool> risposte[] = {{msg::AnsCancel, false}, {msg::AnsYes, false}, {msg::AnsNo, true}};
  for (const auto& [risposta, fine] : risposte) {
    SCOPED_TRACE(risposta);
    env->risposte = {risposta, risposta};
    f->menuEsci_Click();
    EXPECT_EQ(env->terminato, fine);
    EXPECT_EQ(f->close(), fine);
    EXPECT_EQ(f->isVisible(), !fine);
  }
  // No gives the changes up: the close after it asks nothing more.
  ASSERT_EQ(env->box.size(), 5u);
  EXPECT_EQ(env->box[0].stile, 19);
  EXPECT_EQ(env->dialoghi.size(), 2u);
}

TEST_F(Uscita, EsciDopoAverSalvato) {
  f->Modificato = 1;
  env->risposte = {msg::AnsYes};
  env->fileScelti = {percorso(QStringLiteral("ultimo"))};
  f->menuEsci_Click();
  EXPECT_TRUE(env->terminato);
  EXPECT_EQ(leggi(percorso(QStringLiteral("ultimo.tes"))), QByteArray("2,4\r\n\"CANE\"\r\n\"????\"\r\n"));
}

TEST_F(Guida, F1ApreLaGuidaDelProgramma) {
  const QString attesa = QDir::cleanPath(QStringLiteral(TESSARO_BIN_DIR "/../share/guida/index.html"));
  f->AiutoF1->trigger();
  ASSERT_EQ(env->documentiAperti.size(), 1u);
  EXPECT_EQ(env->documentiAperti[0], attesa);
  EXPECT_TRUE(QFileInfo(attesa).isFile());
  EXPECT_EQ(Form0g::percorsoGuida(), attesa);
  EXPECT_TRUE(env->box.empty());
  // The F1 key reaches the same item.
  QApplication::setActiveWindow(f.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
  QTest::keyClick(f.get(), Qt::Key_F1);
  EXPECT_EQ(env->documentiAperti, (std::vector<QString>{attesa, attesa}));
}

TEST_F(Guida, SpiegaOgniStrumentoSenzaRisorseEsterne) {
  QFile file(Form0g::percorsoGuida());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString html = QString::fromUtf8(file.readAll());
  EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"it\">")));
  // Every tool is described by the tooltip the user sees on its button.
  for (int i = 0; i <= 12; ++i) {
    const QString tip = f->Tlb1->toolTip(QStringLiteral("a%1").arg(i));
    ASSERT_FALSE(tip.isEmpty());
    EXPECT_TRUE(html.contains(QStringLiteral("<td>a%1</td><td>").arg(i) + tip + QStringLiteral("</td>"))) << i;
  }
  for (const QString& testo :
       {QStringLiteral("Libera INIZIO"), QStringLiteral("Accorcia all' INIZIO"), QStringLiteral("Accorcia in CODA"),
        QStringLiteral("Libera CODA"), QStringLiteral("E (Oriz.-2 / Vert.-1)"),
        QStringLiteral("tessaro-diz build [--vowel-groups] -o OUT WORDLIST..."), QStringLiteral(".tes")})
    EXPECT_TRUE(html.contains(testo)) << testo.toStdString();
  // Works offline: no address leads outside the guide's folder, and every
  // page of the guide it links to is there, offline as well.
  const QDir cartella = QFileInfo(file).dir();
  QStringList pagine{QFileInfo(file).fileName()};
  for (qsizetype k = 0; k < pagine.size(); ++k) {
    QFile pagina(cartella.filePath(pagine[k]));
    ASSERT_TRUE(pagina.open(QIODevice::ReadOnly)) << pagine[k].toStdString();
    const QString testo = QString::fromUtf8(pagina.readAll());
    EXPECT_FALSE(testo.contains(QStringLiteral("url(")));
    const QRegularExpression indirizzo(QStringLiteral("(src|href)\\s*=\\s*\"([^\"#]*)"));
    for (auto m = indirizzo.globalMatch(testo); m.hasNext();) {
      const QString a = m.next().captured(2);
      if (a.isEmpty() || pagine.contains(a)) continue;  // an anchor, or a page seen
      EXPECT_FALSE(a.contains(QLatin1Char('/')) || a.contains(QLatin1Char(':'))) << a.toStdString();
      pagine << a;
    }
  }
}

}  // namespace
}  // namespace tessaro::prova

// The TEST tools in the window: anagrams of the TEST word, the linguistic
// engine switched on and off from the menu, synonyms and antonyms, the
// spelling check, and clicks on their lists.
#include "Finestra.h"

namespace tessaro::prova {
namespace {

const QString IntestaSinonimi = QStringLiteral("=         sinonimi         =");
const QString IntestaContrari = QStringLiteral(">         contrari          <");
const QString MsgAvvioFallito = QString::fromUtf8(
    "Impossibilit\xC3\xA0 di usare MS Word direttamente da questo programma.\r\n"
    "Potrebbe dipendere da MS Word gi\xC3\xA0 in uso. In tal caso uscire dal programma,\r\n"
    "chiudere MS Word, quindi rilanciare questo programma.");

class StrumentiTest : public Finestra {
 protected:
  void SetUp() override {
    Finestra::SetUp();
    carica({{"base.diz",
             {"'AMOR", "ACNE", "AMOR", "ATTRIC%", "CANE", "CAS!", "LAL", "MORA", "ORMA", "RAMO", "ROMA"}}});
  }

  // The antonym list the program ships, in the program folder.
  void copiaContrari() {
    ASSERT_TRUE(QFile::copy(QStringLiteral(TESSARO_SOURCE_DIR "/data/contrari.txt"),
                            cartella->filePath(QStringLiteral("contrari.txt"))));
  }
  // "Attivazione Funzioni MS Word" switched on, as the user does.
  void avviaMotore() {
    copiaContrari();
    f->FunWord_Click();
    ASSERT_TRUE(f->FunWord->isChecked());
    ASSERT_TRUE(f->lingua() != nullptr && f->lingua()->attivo()) << f->lingua()->motivo();
  }
  // Writes into the program folder a file with one of the linguistic
  // engine's data names.
  void creaFile(const QString& nome, const QByteArray& dati) {
    QFile file(cartella->filePath(nome));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(dati);
  }

  QStringList righe() const { return f->Lists->righe(); }
  // A click on line i of the result list.
  void clicca(int i) {
    f->Lists->setListIndex(i);
    f->Lists_Click();
  }
  bool pulsantiLingua() const {
    return f->Tlb1->isEnabled(QStringLiteral("a10")) || f->Tlb1->isEnabled(QStringLiteral("a11"));
  }
  // The row "CA??" with CANE transferred from the row search.
  void rigaConCane() {
    schemaDa({"CA??", "????"});
    f->Tlb1_ButtonClick(QStringLiteral("a1"));
    f->RigaCorr = 0;
    f->ColCorr = 0;
    f->Peri_Click();
    ASSERT_EQ(righe(), (QStringList{QStringLiteral("CANE -1"), QStringLiteral("CAS(AE) -1")}));
    clicca(0);
    ASSERT_EQ(f->schema.Griglia[0], "CANE");
  }
};

TEST_F(StrumentiTest, AnagrammiConteggioEBevel) {
  const struct {
    const char* parola;
    QStringList righe;
    const char* pannello;
    int numero;
  } casi[] = {
      {"ROMA", {"AMOR", "MORA", "ORMA", "RAMO"}, " 4 Anagrammi ", 4},
      {"citrata", {"ATTRICA"}, " 1 Anagramma ", 1},  // one word per vowel of the group
      {"  ca e ", {"ACNE", "CANE", "CASE"}, " 3 Anagrammi ", 3},  // an inner blank stands for any letter
  };
  for (const auto& k : casi) {
    f->Stb1->setText(3, QStringLiteral("x"));
    f->Stb1->setBevel(2, StatusBar::Incassato);
    f->textb->setText(QString::fromLatin1(k.parola));
    f->anagrammi();
    EXPECT_EQ(righe(), k.righe) << k.parola;
    EXPECT_EQ(f->Stb1->text(2), QString::fromLatin1(k.pannello)) << k.parola;
    EXPECT_EQ(f->Stb1->text(3), QStringLiteral(" "));
    EXPECT_EQ(f->Stb1->bevel(2), StatusBar::Rialzato);
    EXPECT_EQ(f->NumRisultati, k.numero);
  }
  EXPECT_EQ(env->beeps, 0);
}

TEST_F(StrumentiTest, NessunAnagrammaDueRigheEBeep) {
  // LAL has two L's: no anagram of ALA. An empty field matches no entry.
  for (const char* parola : {"ALA", "", "   "}) {
    const int beeps = env->beeps;
    f->textb->setText(QString::fromLatin1(parola));
    f->anagrammi();
    EXPECT_EQ(righe(), (QStringList{QStringLiteral(" "), QStringLiteral(" nessun Anagramma ")})) << parola;
    EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" nessun Anagramma "));
    EXPECT_EQ(f->Stb1->bevel(2), StatusBar::Rialzato);
    EXPECT_EQ(f->NumRisultati, 0);
    EXPECT_EQ(env->beeps, beeps + 1) << parola;
  }
  // Its message line transfers nothing.
  f->textb->setText(QStringLiteral("ALA"));
  f->Tlb1_ButtonClick(QStringLiteral("a9"));
  ASSERT_EQ(righe().size(), 2);
  clicca(1);
  EXPECT_EQ(f->textb->text(), QStringLiteral("ALA"));
}

TEST_F(StrumentiTest, AnagrammiDallaBarraELaTrasferenzaNelCampo) {
  rigaConCane();
  f->textb->setText(QStringLiteral("ROMA"));
  f->Tlb1_ButtonClick(QStringLiteral("a9"));
  EXPECT_EQ(f->Modo, 9);
  EXPECT_EQ(f->Stb1->text(1), QStringLiteral(" ANAGRAMMI di TEST "));
  EXPECT_EQ(righe(), (QStringList{"AMOR", "MORA", "ORMA", "RAMO"}));
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" 4 Anagrammi "));
  // A click copies the word into the TEST field; the word in the grid stays.
  clicca(2);
  EXPECT_EQ(f->textb->text(), QStringLiteral("ORMA"));
  EXPECT_EQ(f->schema.Griglia[0], "CANE");
}

TEST_F(StrumentiTest, FunWordAccendeESpegne) {
  EXPECT_FALSE(f->FunWord->isChecked());
  EXPECT_FALSE(pulsantiLingua());
  avviaMotore();
  EXPECT_TRUE(f->Tlb1->isEnabled(QStringLiteral("a10")));
  EXPECT_TRUE(f->Tlb1->isEnabled(QStringLiteral("a11")));
  EXPECT_TRUE(env->box.empty());
  // The folder copy of the antonym list is the one in use.
  EXPECT_EQ(QString::fromStdString(f->lingua()->dati().contrari), cartella->filePath(QStringLiteral("contrari.txt")));

  // Busy: the menu item does nothing.
  f->Occupato = 2;
  f->FunWord_Click();
  f->Occupato = 0;
  EXPECT_TRUE(f->FunWord->isChecked());
  EXPECT_TRUE(f->lingua()->attivo());

  f->FunWord_Click();
  EXPECT_FALSE(f->FunWord->isChecked());
  EXPECT_FALSE(pulsantiLingua());
  EXPECT_FALSE(f->lingua()->attivo());
  // Switched off, the tools answer as without a link.
  f->textb->setText(QStringLiteral("casa"));
  const int beeps = env->beeps;
  f->sinonimi();
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" nessun Sin./Cont. "));
  f->ortografia();
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" nessuna "));
  EXPECT_EQ(f->Stb1->text(3), QStringLiteral(" "));
  EXPECT_EQ(env->beeps, beeps + 2);

  // On again.
  f->FunWord_Click();
  EXPECT_TRUE(f->FunWord->isChecked());
  EXPECT_TRUE(f->Tlb1->isEnabled(QStringLiteral("a11")));
  EXPECT_TRUE(env->box.empty());
}

TEST_F(StrumentiTest, FunWordAvvioFallito) {
  // Damaged spelling data in the program folder wins over the system copy.
  creaFile(QStringLiteral("it_IT.aff"), "SET UTF-8\n");
  creaFile(QStringLiteral("it_IT.dic"), "non un numero\ncasa\n");
  for (int volta = 1; volta <= 2; ++volta) {
    f->FunWord_Click();
    ASSERT_EQ(env->box.size(), static_cast<std::size_t>(volta));
    EXPECT_EQ(env->box.back().testo, MsgAvvioFallito);
    EXPECT_EQ(env->box.back().titolo, QStringLiteral("Attenzione!"));
    EXPECT_EQ(env->box.back().stile, 0);
    // The check mark goes back off: the next click tries again.
    EXPECT_FALSE(f->FunWord->isChecked());
    EXPECT_FALSE(pulsantiLingua());
    EXPECT_FALSE(f->lingua()->attivo());
  }
}

TEST_F(StrumentiTest, SinonimiEContrari) {
  rigaConCane();
  avviaMotore();
  const auto sinonimiDi = [&](const char* parola) {
    QStringList attese;
    for (const std::string& s : f->lingua()->SynonymInfo(parola)->SynonymList(1))
      attese.append(QLatin1Char('=') + QString::fromStdString(s).toUpper());
    return attese;
  };

  // A word with synonyms and no antonyms.
  f->textb->setText(QStringLiteral("casa"));
  f->Tlb1_ButtonClick(QStringLiteral("a10"));
  EXPECT_EQ(f->Stb1->text(1), QStringLiteral(" SINONIMI/CONTRARI di TEST "));
  const QStringList casa = sinonimiDi("casa");
  ASSERT_FALSE(casa.isEmpty());
  EXPECT_TRUE(casa.contains(QStringLiteral("=ABITAZIONE")));
  EXPECT_EQ(righe(), QStringList{IntestaSinonimi} + casa + QStringList{IntestaContrari});
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" %1 Sin./Cont.").arg(casa.size()));
  EXPECT_EQ(f->Stb1->text(3), QStringLiteral(" "));

  // A word of the antonym list gives both.
  f->textb->setText(QStringLiteral("alto"));
  f->Tlb1_ButtonClick(QStringLiteral("a10"));
  const QStringList alto = sinonimiDi("alto");
  EXPECT_EQ(righe(), QStringList{IntestaSinonimi} + alto + (QStringList{IntestaContrari, QStringLiteral(">BASSO")}));
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" %1 Sin./Cont.").arg(alto.size() + 1));
  EXPECT_EQ(env->beeps, 0);

  // Headers are refused; a word goes into the TEST field without its mark,
  // and nothing is written into the grid.
  const auto prima = f->schema.Griglia;
  const auto storia = f->storia.NumStoria;
  const int contrario = static_cast<int>(righe().size()) - 1;
  clicca(0);
  EXPECT_EQ(f->textb->text(), QStringLiteral("alto"));
  clicca(contrario - 1);
  EXPECT_EQ(f->textb->text(), QStringLiteral("alto"));
  clicca(1);
  EXPECT_EQ(f->textb->text(), alto.front().mid(1));
  clicca(contrario);
  EXPECT_EQ(f->textb->text(), QStringLiteral("BASSO"));
  EXPECT_EQ(f->schema.Griglia, prima);
  EXPECT_EQ(f->storia.NumStoria, storia);

  // An unknown word.
  f->textb->setText(QStringLiteral("xqzwt"));
  f->Tlb1_ButtonClick(QStringLiteral("a10"));
  EXPECT_EQ(righe(), (QStringList{QStringLiteral(" "), QStringLiteral(" nessun Sin./Cont.")}));
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" nessun Sin./Cont. "));
  EXPECT_EQ(f->Stb1->text(3), QStringLiteral(" "));
  EXPECT_EQ(env->beeps, 1);
  clicca(1);
  EXPECT_EQ(f->textb->text(), QStringLiteral("xqzwt"));

  // An empty field changes nothing.
  for (const QString& vuoto : {QString(), QStringLiteral(" ")}) {
    f->textb->setText(vuoto);
    f->sinonimi();
    EXPECT_EQ(righe(), (QStringList{QStringLiteral(" "), QStringLiteral(" nessun Sin./Cont.")}));
    EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" nessun Sin./Cont. "));
    EXPECT_EQ(env->beeps, 1);
  }
}

TEST_F(StrumentiTest, Ortografia) {
  rigaConCane();
  avviaMotore();
  const auto prima = f->schema.Griglia;

  f->textb->setText(QStringLiteral("casa"));
  f->Tlb1_ButtonClick(QStringLiteral("a11"));
  EXPECT_EQ(f->Stb1->text(1), QStringLiteral(" VERIFICA ORTOGRAFICA di TEST "));
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" OK Ortografia "));
  EXPECT_EQ(f->Stb1->text(3), QStringLiteral(" "));
  EXPECT_EQ(righe(), (QStringList{QStringLiteral(" "), QStringLiteral(" OK Ortografia ")}));
  clicca(1);
  EXPECT_EQ(f->textb->text(), QStringLiteral("casa"));

  // A misspelled word: its suggestions, in upper case, can be taken.
  f->textb->setText(QStringLiteral("machina"));
  f->Tlb1_ButtonClick(QStringLiteral("a11"));
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" ERR. Ortografia "));
  EXPECT_EQ(f->Stb1->text(3), QStringLiteral(" "));
  const QStringList suggerimenti = righe();
  EXPECT_TRUE(suggerimenti.contains(QStringLiteral("MACCHINA"))) << suggerimenti.join(u',').toStdString();
  for (const QString& s : suggerimenti) EXPECT_EQ(s, s.toUpper());
  EXPECT_EQ(f->NumSuggerimentiParola, suggerimenti.size());
  clicca(static_cast<int>(suggerimenti.indexOf(QStringLiteral("MACCHINA"))));
  EXPECT_EQ(f->textb->text(), QStringLiteral("MACCHINA"));
  EXPECT_EQ(f->schema.Griglia, prima);
  EXPECT_EQ(env->beeps, 0);

  // Pattern characters are refused without asking and without a beep.
  for (const char* testo : {"?", "CA*A"}) {
    f->textb->setText(QString::fromLatin1(testo));
    f->Tlb1_ButtonClick(QStringLiteral("a11"));
    EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" non valido ")) << testo;
    EXPECT_EQ(f->Stb1->text(3), QStringLiteral(" "));
    EXPECT_TRUE(righe().isEmpty());
    EXPECT_EQ(f->NumSuggerimentiParola, 0);
  }
  EXPECT_EQ(env->beeps, 0);
}

}  // namespace
}  // namespace tessaro::prova

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

  QStringList lista() const { return f->Lists->righe(); }
  // The TEST field set and a tool run from its toolbar button.
  void strumento(const QString& parola, const char* pulsante) {
    f->textb->setText(parola);
    f->Tlb1_ButtonClick(QString::fromLatin1(pulsante));
  }
  bool pulsantiLingua() const {
    return f->Tlb1->isEnabled(QStringLiteral("a10")) || f->Tlb1->isEnabled(QStringLiteral("a11"));
  }
  // The row "CA??" with CANE transferred from the row search.
  void rigaConCane() {
    schemaDa({"CA??", "????"});
    f->Tlb1_ButtonClick(QStringLiteral("a1"));
    clic(0, 0);
    ASSERT_EQ(righe(), (Testi{"CANE -1", "CAS(AE) -1"}));
    scegli(0);
    ASSERT_EQ(f->schema.Griglia[0], "CANE");
  }
};

TEST_F(StrumentiTest, AnagrammiConteggioBevelEBeep) {
  const Testi nessuno{" ", " nessun Anagramma "};
  const struct {
    const char* parola;
    Testi righe;
    const char* pannello;
  } casi[] = {
      {"ROMA", {"AMOR", "MORA", "ORMA", "RAMO"}, " 4 Anagrammi "},
      {"citrata", {"ATTRICA"}, " 1 Anagramma "},
      {"ALA", nessuno, " nessun Anagramma "},  // LAL has two L's
  };
  for (const auto& k : casi) {
    SCOPED_TRACE(k.parola);
    const int beeps = env->beeps;
    f->Stb1->setText(3, QStringLiteral("x"));
    f->Stb1->setBevel(2, StatusBar::Incassato);
    f->textb->setText(QString::fromLatin1(k.parola));
    f->anagrammi();
    EXPECT_EQ(righe(), k.righe);
    EXPECT_EQ(pannelli(), (Testi{k.pannello, " "}));
    EXPECT_EQ(f->Stb1->bevel(2), StatusBar::Rialzato);
    EXPECT_EQ(env->beeps, beeps + (k.righe == nessuno ? 1 : 0));
  }
}

TEST_F(StrumentiTest, AnagrammiDallaBarraELaTrasferenzaNelCampo) {
  rigaConCane();
  const int storia = f->storia.NumStoria;
  strumento(QStringLiteral("ROMA"), "a9");
  EXPECT_EQ(f->Stb1->text(1), QStringLiteral(" ANAGRAMMI di TEST "));
  EXPECT_EQ(righe(), (Testi{"AMOR", "MORA", "ORMA", "RAMO"}));
  // A click copies the word into the TEST field; the word in the grid stays.
  scegli(2);
  EXPECT_EQ(f->textb->text(), QStringLiteral("ORMA"));
  // The message line transfers nothing.
  strumento(QStringLiteral("ALA"), "a9");
  ASSERT_EQ(righe(), (Testi{" ", " nessun Anagramma "}));
  scegli(1);
  EXPECT_EQ(f->textb->text(), QStringLiteral("ALA"));
  EXPECT_EQ(f->schema.Griglia[0], "CANE");
  EXPECT_EQ(f->storia.NumStoria, storia);
}

TEST_F(StrumentiTest, FunWordAccendeESpegne) {
  EXPECT_FALSE(f->FunWord->isChecked() || pulsantiLingua());
  avviaMotore();
  EXPECT_TRUE(f->Tlb1->isEnabled(QStringLiteral("a10")) && f->Tlb1->isEnabled(QStringLiteral("a11")));
  EXPECT_TRUE(env->box.empty());
  // The folder copy of the antonym list is the one in use.
  EXPECT_EQ(QString::fromStdString(f->lingua()->dati().contrari), cartella->filePath(QStringLiteral("contrari.txt")));
  // Busy: the menu item does nothing.
  f->Occupato = 2;
  f->FunWord_Click();
  f->Occupato = 0;
  EXPECT_TRUE(f->FunWord->isChecked() && f->lingua()->attivo());

  f->FunWord_Click();
  EXPECT_FALSE(f->FunWord->isChecked() || pulsantiLingua() || f->lingua()->attivo());
  // Switched off, the tools answer as without a link.
  f->textb->setText(QStringLiteral("casa"));
  const int beeps = env->beeps;
  f->sinonimi();
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" nessun Sin./Cont. "));
  f->ortografia();
  EXPECT_EQ(pannelli(), (Testi{" nessuna ", " "}));
  EXPECT_EQ(env->beeps, beeps + 2);

  f->FunWord_Click();  // on again
  EXPECT_TRUE(f->FunWord->isChecked() && f->Tlb1->isEnabled(QStringLiteral("a11")));
  EXPECT_TRUE(env->box.empty());
}

TEST_F(StrumentiTest, FunWordAvvioFallito) {
  // Damaged spelling data in the program folder wins over the system copy.
  scrivi(cartella->filePath(QStringLiteral("it_IT.aff")), "SET UTF-8\n");
  scrivi(cartella->filePath(QStringLiteral("it_IT.dic")), "non un numero\ncasa\n");
  for (std::size_t volta = 1; volta <= 2; ++volta) {
    f->FunWord_Click();
    ASSERT_EQ(env->box.size(), volta);
    EXPECT_EQ(scatole().back(), "Attenzione!|0|" + MsgAvvioFallito.toStdString());
    // The check mark goes back off: the next click tries again.
    EXPECT_FALSE(f->FunWord->isChecked() || pulsantiLingua() || f->lingua()->attivo());
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
  strumento(QStringLiteral("casa"), "a10");
  EXPECT_EQ(f->Stb1->text(1), QStringLiteral(" SINONIMI/CONTRARI di TEST "));
  const QStringList casa = sinonimiDi("casa");
  EXPECT_TRUE(casa.contains(QStringLiteral("=ABITAZIONE")));
  EXPECT_EQ(lista(), QStringList{IntestaSinonimi} + casa + QStringList{IntestaContrari});
  EXPECT_EQ(pannelli(), (Testi{" " + std::to_string(casa.size()) + " Sin./Cont.", " "}));
  // A word of the antonym list gives both.
  strumento(QStringLiteral("alto"), "a10");
  const QStringList alto = sinonimiDi("alto");
  EXPECT_EQ(lista(), QStringList{IntestaSinonimi} + alto + (QStringList{IntestaContrari, QStringLiteral(">BASSO")}));
  EXPECT_EQ(f->Stb1->text(2), QStringLiteral(" %1 Sin./Cont.").arg(alto.size() + 1));
  EXPECT_EQ(env->beeps, 0);

  // Headers are refused; a word goes into the TEST field without its mark,
  // and nothing is written into the grid.
  const auto prima = f->schema.Griglia;
  const auto storia = f->storia.NumStoria;
  const int contrario = static_cast<int>(lista().size()) - 1;
  const std::pair<int, QString> clic[] = {
      {0, QStringLiteral("alto")}, {contrario - 1, QStringLiteral("alto")},
      {1, alto.front().mid(1)}, {contrario, QStringLiteral("BASSO")}};
  for (const auto& [riga, testo] : clic) {
    scegli(riga);
    EXPECT_EQ(f->textb->text(), testo) << riga;
  }
  EXPECT_EQ(f->schema.Griglia, prima);
  EXPECT_EQ(f->storia.NumStoria, storia);

  // An unknown word; then an empty field changes nothing.
  const auto nessuno = [&](const QString& parola) {
    EXPECT_EQ(lista(), (QStringList{QStringLiteral(" "), QStringLiteral(" nessun Sin./Cont.")})) << parola.toStdString();
    EXPECT_EQ(pannelli(), (Testi{" nessun Sin./Cont. ", " "}));
    EXPECT_EQ(env->beeps, 1);
  };
  strumento(QStringLiteral("xqzwt"), "a10");
  nessuno(QStringLiteral("xqzwt"));
  scegli(1);
  EXPECT_EQ(f->textb->text(), QStringLiteral("xqzwt"));
  for (const QString& vuoto : {QString(), QStringLiteral(" ")}) {
    f->textb->setText(vuoto);
    f->sinonimi();
    nessuno(vuoto);
  }
}

TEST_F(StrumentiTest, Ortografia) {
  rigaConCane();
  avviaMotore();
  const auto prima = f->schema.Griglia;
  strumento(QStringLiteral("casa"), "a11");
  EXPECT_EQ(f->Stb1->text(1), QStringLiteral(" VERIFICA ORTOGRAFICA di TEST "));
  EXPECT_EQ(pannelli(), (Testi{" OK Ortografia ", " "}));
  EXPECT_EQ(lista(), (QStringList{QStringLiteral(" "), QStringLiteral(" OK Ortografia ")}));
  scegli(1);
  EXPECT_EQ(f->textb->text(), QStringLiteral("casa"));

  // A misspelled word: its suggestions, in upper case, can be taken.
  strumento(QStringLiteral("machina"), "a11");
  EXPECT_EQ(pannelli(), (Testi{" ERR. Ortografia ", " "}));
  const QStringList suggerimenti = lista();
  EXPECT_EQ(suggerimenti.join(u','), suggerimenti.join(u',').toUpper());
  EXPECT_EQ(f->NumSuggerimentiParola, suggerimenti.size());
  scegli(static_cast<int>(suggerimenti.indexOf(QStringLiteral("MACCHINA"))));
  EXPECT_EQ(f->textb->text(), QStringLiteral("MACCHINA"));
  EXPECT_EQ(f->schema.Griglia, prima);

  // Pattern characters are refused without asking and without a beep.
  for (const char* testo : {"?", "CA*A"}) {
    strumento(QString::fromLatin1(testo), "a11");
    EXPECT_EQ(pannelli(), (Testi{" non valido ", " "})) << testo;
    EXPECT_TRUE(lista().isEmpty());
    EXPECT_EQ(f->NumSuggerimentiParola, 0);
  }
  EXPECT_EQ(env->beeps, 0);
}

}  // namespace
}  // namespace tessaro::prova

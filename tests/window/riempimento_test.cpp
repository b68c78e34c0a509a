// The Riempimento menu in the window: the proposal, accepting it as one
// undo group, discarding it, the area drag, the interrupt and the messages.
#include "Finestra.h"

#include "platform/Keys.h"

namespace tessaro::prova {
namespace {

// A frame of four runs whose only fill, with B fixed, is ABC / ADE / CFG /
// EHG.
const Testi Parole = {"ABC", "ADE", "CFG", "EHG"};
const Testi Cornice = {"?B?", "?\x10?", "???"};
const Testi Piena = {"ABC", "D\x10" "F", "EHG"};

class Riempimento : public Finestra {
 protected:
  void SetUp() override {
    Finestra::SetUp();
    prepara(Parole, Cornice, "a3");
  }
  Testi griglia() const { return f->schema.Griglia; }
  bool proposta() const { return !f->Riempimento.proposta.empty(); }
};

TEST_F(Riempimento, PropostaAccettataEUnSoloGruppo) {
  f->RiempiSchema_Click();
  ASSERT_TRUE(proposta());
  EXPECT_EQ(griglia(), Cornice);  // only proposed
  EXPECT_EQ(pannelli(), (Testi{" Proposta: 4 parole, punteggio medio 50,0 ", " Invio accetta, Esc scarta "}));
  EXPECT_TRUE(f->AccettaProposta->isEnabled());
  // The proposed letters are blue, the user's own black.
  const auto blu = [&](int c) {
    bool trovato = false;
    for (double x = c + 0.2; x < c + 0.8; x += 0.02)
      for (double y = 0.2; y < 0.8; y += 0.02) trovato = trovato || pixel(x, y) == QColor(0, 0, 255);
    return trovato;
  };
  EXPECT_TRUE(blu(0));
  EXPECT_FALSE(blu(1));

  int invio = vk::Return;
  EXPECT_TRUE(f->Form_KeyDown(invio, 0));
  EXPECT_EQ(griglia(), Piena);
  EXPECT_FALSE(proposta());
  EXPECT_EQ(f->Modificato, 1);
  f->Tlb1_ButtonClick(QStringLiteral("a7"));
  EXPECT_EQ(griglia(), Cornice);
  EXPECT_EQ(f->Stb1->text(2).toStdString(), " Annullo n. 1 ");
  f->Tlb1_ButtonClick(QStringLiteral("a8"));
  EXPECT_EQ(griglia(), Piena);
}

TEST_F(Riempimento, EscUnaModificaOUnoStrumentoScartano) {
  f->RiempiSchema_Click();
  ASSERT_TRUE(proposta());
  EXPECT_TRUE(f->Form_KeyDown(vk::Escape, 0));
  EXPECT_FALSE(proposta());
  EXPECT_EQ(pannelli(), (Testi{" proposta scartata ", " "}));
  // Esc with nothing to discard is no fill key.
  EXPECT_FALSE(f->Form_KeyDown(vk::Escape, 0));

  f->RiempiSchema_Click();
  ASSERT_TRUE(proposta());
  clic(2, 1);  // tool a3: places the cursor
  int h = 'H';
  f->Peri_KeyDown(h, 0);
  EXPECT_FALSE(proposta());
  EXPECT_EQ(griglia()[2], "?H?");

  f->RiempiSchema_Click();
  ASSERT_TRUE(proposta());
  f->Tlb1_ButtonClick(QStringLiteral("a0"));
  EXPECT_FALSE(proposta());
  EXPECT_EQ(f->storia.NumStoria, 3);
}

TEST_F(Riempimento, AreaTrascinataRiempieSoloLeSueCaselle) {
  f->RiempiArea_Click();
  EXPECT_EQ(f->Stb1->text(1).toStdString(), " RIEMPI AREA: trascinare sulla zona da riempire (Esc annulla) ");
  f->Peri_MouseDown(1, 0, 0.5, 0.5);
  f->Peri_MouseMove(1, 0, 2.5, 0.5);
  f->Peri_MouseUp(1, 0, 2.5, 0.5);
  f->Peri_Click();
  ASSERT_TRUE(proposta());
  EXPECT_EQ(f->Riempimento.proposta, (std::vector<Scrittura>{{0, 0, 'A'}, {0, 2, 'C'}}));
  f->AccettaProposta_Click();
  EXPECT_EQ(griglia(), (Testi{"ABC", "?\x10?", "???"}));
  // Panel 1 names the tool again; the next click is the tool's own.
  EXPECT_EQ(f->Stb1->text(1).toStdString(), " SCRIVERE ORIZZONTALE su più Caselle ");
  f->RiempiArea_Click();
  EXPECT_TRUE(f->Form_KeyDown(vk::Escape, 0));
  EXPECT_FALSE(f->Riempimento.areaArmata);
  EXPECT_EQ(f->Stb1->text(1).toStdString(), " SCRIVERE ORIZZONTALE su più Caselle ");
}

TEST_F(Riempimento, InterruzioneEMessaggi) {
  env->aOgniCessione = [&] { f->Stb1_PanelClick(2); };
  f->RiempiSchema_Click();
  env->aOgniCessione = nullptr;
  EXPECT_FALSE(proposta());
  EXPECT_EQ(griglia(), Cornice);
  EXPECT_EQ(f->Stb1->text(3).toStdString(), " Interruzione! ");
  EXPECT_EQ(f->Occupato, 0);

  schemaDa({"?Z?", "?\x10?", "???"});
  f->RiempiSchema_Click();
  schemaDa({"A??", "C\x10?", "???"});
  f->RiempiSchema_Click();
  EXPECT_EQ(scatole(), (Testi{"Riempimento|48|Nessun riempimento possibile: 1 Orizzontale non ha parole adatte.",
                              "Riempimento|48|Nessun riempimento possibile: 1 Verticale non ha parole adatte."}));
  EXPECT_FALSE(proposta());
}

// A fill of far more cells than the history's hundred records comes back
// with one undo.
TEST_F(Finestra, RiempimentoGrandeAnnullatoInUnPasso) {
  Testi parole;
  for (char c = 'A'; c < 'A' + 18; ++c) parole.push_back(std::string(25, c));
  std::string riga;
  for (int c = 0; c < 35; ++c) riga += c % 2 == 0 ? '?' : '\x10';
  prepara(parole, Testi(25, riga), "a3");
  f->RiempiSchema_Click();
  ASSERT_EQ(f->Riempimento.proposta.size(), 18u * 25u);
  f->AccettaProposta_Click();
  EXPECT_EQ(f->schema.Griglia[24].find('?'), std::string::npos);
  f->Tlb1_ButtonClick(QStringLiteral("a7"));
  EXPECT_EQ(f->schema.Griglia, Testi(25, riga));
  EXPECT_FALSE(f->Tlb1->isEnabled(QStringLiteral("a7")));
}

}  // namespace
}  // namespace tessaro::prova

// The TEST tools: anagrams of the TEST word from the base dictionary, and,
// through the linguistic engine (spelling and thesaurus in place of a word
// processor), its synonyms and antonyms and its spelling.
#include <QAction>
#include <QLineEdit>

#include "app/Form0g.h"
#include "dict/Testo1252.h"
#include "platform/Percorsi.h"
#include "platform/Environment.h"
#include "platform/ListBox.h"
#include "platform/StatusBar.h"
#include "platform/ToolBar.h"
#include "platform/Testi.h"
#include "testtools/Anagrammi.h"

namespace tessaro {

namespace testi {
inline const QString IntestaSinonimi = QStringLiteral("=         sinonimi         =");
inline const QString IntestaContrari = QStringLiteral(">         contrari          <");
inline const QString SinCont = QStringLiteral(" Sin./Cont.");
inline const QString NessunSinCont = QStringLiteral(" nessun Sin./Cont.");
inline const QString NessunSinContPannello = QStringLiteral(" nessun Sin./Cont. ");
inline const QString NonValido = QStringLiteral(" non valido ");
inline const QString ErrOrtografia = QStringLiteral(" ERR. Ortografia ");
inline const QString OkOrtografia = QStringLiteral(" OK Ortografia ");
inline const QString Nessuna = QStringLiteral(" nessuna ");
}  // namespace testi

void Form0g::eseguiTest(int modo) {
  switch (modo) {
    case 9: anagrammi(); break;
    case 10: sinonimi(); break;
    case 11: ortografia(); break;
    default: break;
  }
}

void Form0g::anagrammi() {
  Stb1->setText(3, daUtf8(Pannello3Anagrammi));
  Lists->Clear();
  // The base dictionary holds Windows-1252 bytes: the TEST word goes so too.
  const std::string parola = aWindows1252(textb->text().toStdString());
  Cedi cedi([this] {
    env_.yieldNow();
    return false;  // the anagram scan has no interrupt
  });
  const Dizionario& base = Archivio.slot[1];
  const RisultatoAnagrammi r = IndiceAnagrammiBase.valePer(base)
                                   ? tessaro::anagrammi(IndiceAnagrammiBase, base, parola, cedi)
                                   : tessaro::anagrammi(base, parola, cedi);
  QStringList righe;
  righe.reserve(static_cast<qsizetype>(r.righe.size()));
  for (const std::string& s : r.righe) righe.append(QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())));
  Lists->addItems(righe);
  Stb1->setBevel(2, StatusBar::Rialzato);
  NumRisultati = r.NumRisultati;
  Stb1->setText(2, daUtf8(r.pannello2));
  if (r.beep) env_.beep();
}

void Form0g::FunWord_Click() {
  if (Occupato > 0) return;
  FunWord->setChecked(!FunWord->isChecked());
  if (FunWord->isChecked())
    avviaWord();
  else
    chiudiword();
}

void Form0g::avviaWord() {
  if (!lingua_) {
    CartelleLingua cartelle;
    cartelle.cartellaProg = percorsoLocale(CartellaProg).string();
    lingua_ = std::make_unique<MotoreLinguistico>(std::move(cartelle));
  }
  if (!lingua_->avvia()) {
    // Nothing usable started: the check mark goes back off, so the next
    // click tries again instead of closing what never opened.
    FunWord->setChecked(false);
    env_.msgBox(this, daUtf8(MsgAvvioLinguaFallito), msg::OK, daUtf8(TitoloAvvioLingua));
    return;
  }
  Tlb1->setEnabled(QStringLiteral("a10"), true);
  Tlb1->setEnabled(QStringLiteral("a11"), true);
}

void Form0g::chiudiword() {
  Tlb1->setEnabled(QStringLiteral("a10"), false);
  Tlb1->setEnabled(QStringLiteral("a11"), false);
  if (lingua_) lingua_->chiudi();
}

void Form0g::sinonimi() {
  const QString testo = textb->text();
  if (testo.isEmpty() || testo == QLatin1String(" ")) return;
  const auto fallito = [this] {
    Stb1->setText(2, testi::NessunSinContPannello);
    Stb1->setText(3, QStringLiteral(" "));
    env_.beep();
  };
  if (!lingua_ || !lingua_->attivo()) return fallito();
  auto info = lingua_->SynonymInfo(testo.toStdString(), LinguaItaliana);
  if (!info) return fallito();
  Lists->Clear();
  Lists->setToolTip(QString());
  Stb1->setToolTip(2, QString());
  if (info->MeaningCount() <= 0) {
    Lists->AddItem(QStringLiteral(" "));
    Lists->AddItem(testi::NessunSinCont);
    Stb1->setText(2, testi::NessunSinContPannello);
    Stb1->setText(3, QStringLiteral(" "));
    env_.beep();
    return;
  }
  QStringList righe{testi::IntestaSinonimi};
  const auto sinonimi = info->SynonymList(1);
  for (const std::string& s : sinonimi) righe.append(QStringLiteral("=") + daUtf8(s).toUpper());
  info = lingua_->SynonymInfo(testo.toStdString(), LinguaItaliana);
  if (!info) {
    Lists->addItems(righe);
    return fallito();
  }
  righe.append(testi::IntestaContrari);
  const auto contrari = info->AntonymList();
  for (const std::string& s : contrari) righe.append(QStringLiteral(">") + daUtf8(s).toUpper());
  Lists->addItems(righe);
  Stb1->setText(2, QStringLiteral(" %1").arg(sinonimi.size() + contrari.size()) + testi::SinCont);
  Stb1->setText(3, QStringLiteral(" "));
}

void Form0g::ortografia() {
  NumSuggerimentiParola = 0;
  const QString testo = textb->text();
  if (testo.isEmpty() || testo == QLatin1String(" ")) return;
  if (testo.contains(QLatin1Char('?')) || testo.contains(QLatin1Char('*'))) {
    Stb1->setText(2, testi::NonValido);
    Stb1->setText(3, QStringLiteral(" "));
    return;
  }
  std::optional<SuggerimentiOrtografia> r;
  if (lingua_ && lingua_->attivo()) r = lingua_->GetSpellingSuggestions(testo.toStdString(), false, LinguaItaliana);
  if (!r) {
    Stb1->setText(2, testi::Nessuna);
    Stb1->setText(3, QStringLiteral(" "));
    env_.beep();
    return;
  }
  if (r->SpellingErrorType() == wdSpellingNotInDictionary) {
    Stb1->setText(2, testi::ErrOrtografia);
    Stb1->setText(3, QStringLiteral(" "));
    r = lingua_->GetSpellingSuggestions(testo.toStdString(), false, LinguaItaliana);
    if (!r) return;
    // A single suggestion is listed too: it is the one the user needs most.
    QStringList righe;
    for (const Suggerimento& s : *r) righe.append(daUtf8(s.Name).toUpper());
    Lists->addItems(righe);
    NumSuggerimentiParola = static_cast<std::int16_t>(righe.size());
    return;
  }
  Stb1->setText(2, testi::OkOrtografia);
  Stb1->setText(3, QStringLiteral(" "));
  Lists->AddItem(QStringLiteral(" "));
  Lists->AddItem(testi::OkOrtografia);
}

}  // namespace tessaro

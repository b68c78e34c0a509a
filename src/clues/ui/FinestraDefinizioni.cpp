#include "clues/ui/FinestraDefinizioni.h"

#include <QAction>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/Form0g.h"
#include "clues/pagina/Pagina.h"

namespace tessaro {

namespace {

enum Colonna { ColNumero = 0, ColLettere = 1, ColDefinizione = 2 };

// The clue's editor hands over every keystroke, so a clue is in the Schema
// (and the Schema counts as modified) even if the user saves while typing.
class EditorDefinizione : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* padre, const QStyleOptionViewItem& o, const QModelIndex& i) const override {
    QWidget* e = QStyledItemDelegate::createEditor(padre, o, i);
    if (auto* riga = qobject_cast<QLineEdit*>(e)) {
      auto* io = const_cast<EditorDefinizione*>(this);
      connect(riga, &QLineEdit::textEdited, io, [io, riga] { Q_EMIT io->commitData(riga); });
    }
    return e;
  }
};

QTableWidgetItem* voceFissa(const QString& testo) {
  auto* v = new QTableWidgetItem(testo);
  v->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  return v;
}

QTableWidget* nuovaTabella(const QStringList& intestazioni, QWidget* padre) {
  auto* t = new QTableWidget(0, static_cast<int>(intestazioni.size()), padre);
  t->setHorizontalHeaderLabels(intestazioni);
  t->verticalHeader()->hide();
  t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 8);
  t->setSelectionBehavior(QAbstractItemView::SelectRows);
  t->setSelectionMode(QAbstractItemView::SingleSelection);
  t->horizontalHeader()->setStretchLastSection(true);
  t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  t->horizontalHeader()->setSectionResizeMode(static_cast<int>(intestazioni.size()) - 1, QHeaderView::Stretch);
  return t;
}

}  // namespace

FinestraDefinizioni::FinestraDefinizioni(Form0g& f) : QDialog(&f), f_(f) {
  setObjectName(QStringLiteral("FinestraDefinizioni"));
  setWindowTitle(testi::TitoloDefinizioni);
  setModal(false);
  const QStringList intestazioni{QStringLiteral("N."), QStringLiteral("Parola"), QStringLiteral("Definizione")};
  Orizzontali = nuovaTabella(intestazioni, this);
  Verticali = nuovaTabella(intestazioni, this);
  auto* liste = new QHBoxLayout;
  for (Verso v : {Verso::Orizzontale, Verso::Verticale}) {
    QTableWidget* t = tabella(v);
    t->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                       QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    t->setItemDelegateForColumn(ColDefinizione, new EditorDefinizione(t));
    connect(t, &QTableWidget::currentCellChanged, this, [this, v](int r, int, int prima, int) {
      if (!aggiornando_ && r >= 0 && r != prima) scegli(v, r);
    });
    connect(t, &QTableWidget::cellClicked, this, [this, v](int r, int) {
      if (!aggiornando_) scegli(v, r);
    });
    connect(t, &QTableWidget::itemChanged, this, [this, v](QTableWidgetItem* i) { definizioneCambiata(v, i); });
    auto* colonna = new QVBoxLayout;
    colonna->addWidget(new QLabel(v == Verso::Orizzontale ? testi::Orizzontali : testi::Verticali, this));
    colonna->addWidget(t);
    liste->addLayout(colonna);
  }

  Suggerisci = new QPushButton(testi::Suggerisci, this);
  Suggerisci->setEnabled(false);
  Sinonimi = new QListWidget(this);
  Sinonimi->setMaximumHeight(90);
  auto* sugg = new QHBoxLayout;
  sugg->addWidget(Suggerisci, 0, Qt::AlignTop);
  sugg->addWidget(Sinonimi);
  connect(Suggerisci, &QPushButton::clicked, this, &FinestraDefinizioni::Suggerisci_Click);
  connect(Sinonimi, &QListWidget::itemDoubleClicked, this, &FinestraDefinizioni::Sinonimi_DblClick);

  GruppoSenzaCasella = new QGroupBox(testi::SenzaCasella, this);
  SenzaCasella = nuovaTabella({QStringLiteral("Verso"), QStringLiteral("N."), QStringLiteral("Casella"),
                               QStringLiteral("Definizione")},
                              GruppoSenzaCasella);
  SenzaCasella->setEditTriggers(QAbstractItemView::NoEditTriggers);
  SenzaCasella->setMaximumHeight(120);
  Elimina = new QPushButton(testi::EliminaDefinizione, GruppoSenzaCasella);
  connect(Elimina, &QPushButton::clicked, this, &FinestraDefinizioni::Elimina_Click);
  auto* gruppo = new QHBoxLayout(GruppoSenzaCasella);
  gruppo->addWidget(SenzaCasella);
  gruppo->addWidget(Elimina, 0, Qt::AlignTop);
  GruppoSenzaCasella->hide();
  // Enter confirms a clue; it must not also press a button.
  for (QPushButton* b : {Suggerisci, Elimina}) b->setAutoDefault(false);

  auto* tutto = new QVBoxLayout(this);
  tutto->addLayout(liste, 1);
  tutto->addLayout(sugg);
  tutto->addWidget(GruppoSenzaCasella);
  resize(820, 600);
  aggiorna(true);
}

void FinestraDefinizioni::aggiorna(bool tutto) {
  if (!tutto && f_.schema.Griglia == grigliaVista_) return;
  grigliaVista_ = f_.schema.Griglia;
  Parole nuove = paroleDi(f_.schema);
  if (!tutto && nuove == parole_) {
    // Only letters changed.
    aggiornando_ = true;
    for (Verso v : {Verso::Orizzontale, Verso::Verticale})
      for (std::size_t i = 0; i < parole_.di(v).size(); ++i)
        tabella(v)->item(static_cast<int>(i), ColLettere)
            ->setText(QString::fromLatin1(lettereDi(f_.schema, parole_.di(v)[i])));
    aggiornando_ = false;
    aggiornaSuggerisci();
    return;
  }
  parole_ = std::move(nuove);
  indiceScelto_ = -1;
  riempi(Verso::Orizzontale);
  riempi(Verso::Verticale);
  riempiSenzaCasella();
  Sinonimi->clear();
  aggiornaSuggerisci();
}

void FinestraDefinizioni::riempi(Verso v) {
  aggiornando_ = true;
  QTableWidget* t = tabella(v);
  const auto& elenco = parole_.di(v);
  t->setRowCount(static_cast<int>(elenco.size()));
  const QFont fisso = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  for (std::size_t i = 0; i < elenco.size(); ++i) {
    const Parola& p = elenco[i];
    const int r = static_cast<int>(i);
    QTableWidgetItem* numero = voceFissa(QString::number(p.numero));
    numero->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    t->setItem(r, ColNumero, numero);
    QTableWidgetItem* lettere = voceFissa(QString::fromLatin1(lettereDi(f_.schema, p)));
    lettere->setFont(fisso);
    t->setItem(r, ColLettere, lettere);
    t->setItem(r, ColDefinizione,
               new QTableWidgetItem(QString::fromStdString(f_.definizioni.testo(v, p.riga, p.colonna))));
  }
  t->clearSelection();
  aggiornando_ = false;
}

void FinestraDefinizioni::riempiSenzaCasella() {
  orfane_ = f_.definizioni.senzaCasella(f_.schema);
  SenzaCasella->setRowCount(static_cast<int>(orfane_.size()));
  for (std::size_t i = 0; i < orfane_.size(); ++i) {
    const Definizione& d = orfane_[i];
    const int r = static_cast<int>(i);
    SenzaCasella->setItem(r, 0, voceFissa(d.verso == Verso::Orizzontale ? testi::Orizzontale : testi::Verticale));
    SenzaCasella->setItem(r, 1, voceFissa(d.numero > 0 ? QString::number(d.numero) : QString()));
    SenzaCasella->setItem(r, 2, voceFissa(QStringLiteral("R%1 C%2").arg(d.riga + 1).arg(d.colonna + 1)));
    SenzaCasella->setItem(r, 3, voceFissa(QString::fromStdString(d.testo)));
  }
  GruppoSenzaCasella->setVisible(!orfane_.empty());
}

void FinestraDefinizioni::seguiCasella() {
  aggiornando_ = true;
  indiceScelto_ = -1;
  for (Verso v : {Verso::Verticale, Verso::Orizzontale}) {
    const auto& elenco = parole_.di(v);
    const auto it = std::find_if(elenco.begin(), elenco.end(),
                                 [this](const Parola& p) { return p.contiene(f_.RigaCorr, f_.ColCorr); });
    QTableWidget* t = tabella(v);
    if (it == elenco.end()) {
      t->clearSelection();
      continue;
    }
    const int r = static_cast<int>(it - elenco.begin());
    t->setCurrentCell(r, ColDefinizione);
    t->scrollToItem(t->item(r, ColDefinizione));
    versoScelto_ = v;
    indiceScelto_ = r;
  }
  aggiornando_ = false;
  Sinonimi->clear();
  aggiornaSuggerisci();
}

void FinestraDefinizioni::scegli(Verso v, int indice) {
  if (indice < 0 || indice >= static_cast<int>(parole_.di(v).size())) return;
  versoScelto_ = v;
  indiceScelto_ = indice;
  aggiornando_ = true;
  tabella(v == Verso::Orizzontale ? Verso::Verticale : Verso::Orizzontale)->clearSelection();
  aggiornando_ = false;
  Sinonimi->clear();
  aggiornaSuggerisci();
  if (f_.Occupato > 0) return;
  const Parola& p = parole_.di(v)[static_cast<std::size_t>(indice)];
  f_.RigaCorr = static_cast<std::int16_t>(p.riga);
  f_.ColCorr = static_cast<std::int16_t>(p.colonna);
  f_.rinfresca();
  const bool orizzontale = v == Verso::Orizzontale;
  f_.EvidCol = p.colonna;
  f_.EvidRiga = p.riga;
  f_.EvidLarg = orizzontale ? p.lunghezza : 1;
  f_.EvidAlt = orizzontale ? 1 : p.lunghezza;
  f_.evidenzia();
}

void FinestraDefinizioni::definizioneCambiata(Verso v, QTableWidgetItem* voce) {
  if (aggiornando_ || voce->column() != ColDefinizione) return;
  const Parola& p = parole_.di(v)[static_cast<std::size_t>(voce->row())];
  if (f_.definizioni.imposta(v, p.riga, p.colonna, voce->text().toStdString(), p.numero)) f_.Modificato = 1;
}

const Parola* FinestraDefinizioni::scelta() const {
  const auto& elenco = parole_.di(versoScelto_);
  if (indiceScelto_ < 0 || indiceScelto_ >= static_cast<int>(elenco.size())) return nullptr;
  return &elenco[static_cast<std::size_t>(indiceScelto_)];
}

void FinestraDefinizioni::aggiornaSuggerisci() {
  const Parola* p = scelta();
  Suggerisci->setEnabled(p && lettereDi(f_.schema, *p).find(CellaVuota) == std::string::npos);
}

void FinestraDefinizioni::Suggerisci_Click() {
  Sinonimi->clear();
  const Parola* p = scelta();
  if (!p) return;
  const std::string parola = lettereDi(f_.schema, *p);
  if (parola.find(CellaVuota) != std::string::npos) return;
  const MotoreLinguistico* m = f_.lingua();
  if (!m || !m->attivo()) {
    Sinonimi->addItem(testi::LinguaNonAttiva);
    return;
  }
  std::vector<std::string> visti;
  if (const auto info = m->SynonymInfo(parola)) {
    for (int k = 1; k <= info->MeaningCount(); ++k) {
      for (const std::string& s : info->SynonymList(k)) {
        if (std::find(visti.begin(), visti.end(), s) != visti.end()) continue;
        visti.push_back(s);
        auto* voce = new QListWidgetItem(QString::fromStdString(s), Sinonimi);
        voce->setData(Qt::UserRole, true);
      }
    }
  }
  if (visti.empty()) Sinonimi->addItem(testi::NessunSinonimo);
}

void FinestraDefinizioni::Sinonimi_DblClick(QListWidgetItem* voce) {
  const Parola* p = scelta();
  if (!p || !voce || !voce->data(Qt::UserRole).toBool() || voce->text().isEmpty()) return;
  QString testo = QString::fromStdString(f_.definizioni.testo(p->verso, p->riga, p->colonna));
  QString sinonimo = voce->text();
  if (testo.isEmpty()) {
    sinonimo[0] = sinonimo[0].toUpper();
    testo = sinonimo;
  } else {
    testo += QStringLiteral(", ") + sinonimo;
  }
  // Through the row, as if typed: the model and the modified flag follow.
  tabella(p->verso)->item(indiceScelto_, ColDefinizione)->setText(testo);
}

void FinestraDefinizioni::Elimina_Click() {
  const int r = SenzaCasella->currentRow();
  if (r < 0 || r >= static_cast<int>(orfane_.size())) return;
  const Definizione& d = orfane_[static_cast<std::size_t>(r)];
  if (f_.definizioni.elimina(d.verso, d.riga, d.colonna)) f_.Modificato = 1;
  riempiSenzaCasella();
}

}  // namespace tessaro

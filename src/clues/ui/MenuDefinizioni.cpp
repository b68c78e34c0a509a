// The clues in the main window: the menu items of this area, the
// Definizioni window, and the .def read after a file has been opened.
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include "app/Form0g.h"
#include "clues/FileDef.h"
#include "clues/ui/FinestraDefinizioni.h"
#include "platform/Environment.h"
#include "platform/PictureBox.h"

namespace tessaro {

namespace testi {
inline const QString TitoloDefDanneggiato = QStringLiteral("Definizioni");
// "Il file delle definizioni <nome> è danneggiato (<motivo>)." CR LF "Lo
// Schema è aperto senza definizioni; ..."
inline QString defDanneggiato(const QString& nome, const QString& motivo) {
  return QStringLiteral("Il file delle definizioni ") + nome + QStringLiteral(" è danneggiato (") + motivo +
         QStringLiteral(").\r\nLo Schema è aperto senza definizioni; il file resta com'è finché non si salvano "
                        "nuove definizioni.");
}
}  // namespace testi

void Form0g::costruisciMenuDefinizioni() {
  // "File": after the save items, before the separator above "Esci".
  const QList<QAction*> voci = menuFile->actions();
  const qsizetype esci = voci.indexOf(menuEsci);
  QAction* prima = esci > 0 ? voci[esci - 1] : menuEsci;
  const auto voce = [this, prima](const QString& testo) {
    auto* a = new QAction(testo, menuFile);
    menuFile->insertAction(prima, a);
    return a;
  };
  menuFile->insertSeparator(prima);
  ImportaIpuz = voce(QStringLiteral("Importa ipuz..."));
  menuEsporta = new QMenu(QStringLiteral("Esporta"), menuFile);
  menuFile->insertMenu(prima, menuEsporta);
  EsportaPdf = menuEsporta->addAction(QStringLiteral("PDF..."));
  EsportaSvg = menuEsporta->addAction(QStringLiteral("SVG..."));
  EsportaPng = menuEsporta->addAction(QStringLiteral("PNG..."));
  EsportaIpuz = menuEsporta->addAction(QStringLiteral("ipuz..."));
  menuStampa = voce(QStringLiteral("Stampa..."));
  menuStampa->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));

  menuVisualizza->addSeparator();
  menuDefinizioni = menuVisualizza->addAction(QStringLiteral("Definizioni"));
  menuDefinizioni->setShortcut(QKeySequence(Qt::Key_F4));

  // Usable once there is a Schema (the first redraw enables them).
  menuEsporta->setEnabled(false);
  for (QAction* a : {menuStampa, menuDefinizioni}) a->setEnabled(false);

  const auto collega = [this](QAction* a, void (Form0g::*h)()) { connect(a, &QAction::triggered, this, h); };
  collega(ImportaIpuz, &Form0g::ImportaIpuz_Click);
  collega(EsportaPdf, &Form0g::EsportaPdf_Click);
  collega(EsportaSvg, &Form0g::EsportaSvg_Click);
  collega(EsportaPng, &Form0g::EsportaPng_Click);
  collega(EsportaIpuz, &Form0g::EsportaIpuz_Click);
  collega(menuStampa, &Form0g::Stampa_Click);
  collega(menuDefinizioni, &Form0g::Definizioni_Click);
}

void Form0g::Definizioni_Click() {
  if (!schema.esiste()) return;
  if (!finestraDefinizioni) {
    finestraDefinizioni = new FinestraDefinizioni(*this);
    // A click or a key on the grid moves the current cell: the rows follow
    // (the grid's own handlers run first).
    const auto segui = [this] {
      if (finestraDefinizioni->isVisible()) finestraDefinizioni->seguiCasella();
    };
    connect(Peri, &PictureBox::Click, finestraDefinizioni, segui);
    connect(Peri, &PictureBox::KeyDown, finestraDefinizioni, segui);
  }
  finestraDefinizioni->aggiorna(true);
  if (finestraDefinizioni->isVisible()) {
    // Already open, perhaps behind the main window.
    finestraDefinizioni->raise();
    finestraDefinizioni->activateWindow();
  }
  finestraDefinizioni->show();
  finestraDefinizioni->seguiCasella();
}

void Form0g::grigliaDisegnata() {
  definizioni.allinea(schema);
  menuEsporta->setEnabled(schema.esiste());
  menuStampa->setEnabled(schema.esiste());
  menuDefinizioni->setEnabled(schema.esiste());
  if (finestraDefinizioni) finestraDefinizioni->aggiorna();
}

void Form0g::azzeraDefinizioni() {
  definizioni.azzera();
  DefDanneggiato.clear();
  if (finestraDefinizioni) finestraDefinizioni->aggiorna(true);
}

void Form0g::leggiDefinizioniAccanto(const QString& nomeTes) {
  const QString nome = QString::fromStdString(nomeDef(nomeTes.toStdString()));
  const QFileInfo info(nome);
  // Without a .def the Schema simply has no clues yet.
  if (info.exists()) {
    QString motivo;
    QFile file(nome);
    if (!info.isFile()) {
      motivo = QStringLiteral("non è un file");
    } else if (info.size() > static_cast<qint64>(MaxByteDef)) {
      motivo = QString::fromStdString(descrizioneErroreDef(LetturaDef{std::nullopt, ErroreDef::TroppoGrande, 0}));
    } else if (!file.open(QIODevice::ReadOnly)) {
      motivo = QStringLiteral("non si può leggere: ") + file.errorString();
    } else {
      const QByteArray byte = file.read(static_cast<qint64>(MaxByteDef) + 1);
      LetturaDef l = leggiDef(std::string_view(byte.constData(), static_cast<std::size_t>(byte.size())));
      if (l) {
        definizioni = std::move(*l.definizioni);
        definizioni.allinea(schema);
      } else {
        motivo = QString::fromStdString(descrizioneErroreDef(l));
      }
    }
    if (!motivo.isEmpty()) {
      DefDanneggiato = nome;
      env_.msgBox(this, testi::defDanneggiato(nome, motivo), msg::OK | msg::Exclamation, testi::TitoloDefDanneggiato);
    }
  }
  if (finestraDefinizioni) finestraDefinizioni->aggiorna(true);
}

}  // namespace tessaro

#include "clues/ui/DefinizioniAccanto.h"

#include <QFile>
#include <QFileInfo>

#include "app/Form0g.h"
#include "clues/FileDef.h"
#include "files/ui/FileSchema.h"
#include "platform/Environment.h"

namespace tessaro {

DefinizioniAccanto::DefinizioniAccanto(Form0g& f, const QString& nomeTes)
    : f_(f), nome_(QFile::decodeName(QByteArray::fromStdString(nomeDef(QFile::encodeName(nomeTes).toStdString())))) {}

bool DefinizioniAccanto::prepara() {
  // No clues: a Schema that never had any gets no file; one whose clues were
  // all deleted gets an empty one, so the old clues do not come back. A
  // damaged file stays for the user to mend until there are new clues.
  if (f_.definizioni.vuota() && (!QFileInfo::exists(nome_) || nome_ == f_.DefDanneggiato)) return true;
  file_.emplace();
  const EsitoScrittura e = file_->prepara(QFile::encodeName(nome_).toStdString(), scriviDef(f_.definizioni, f_.schema));
  return e ? true : fallito(e);
}

bool DefinizioniAccanto::conferma() {
  if (!file_) return true;
  const EsitoScrittura e = file_->conferma();
  if (!e) return fallito(e);
  if (nome_ == f_.DefDanneggiato) f_.DefDanneggiato.clear();
  return true;
}

bool DefinizioniAccanto::fallito(const EsitoScrittura& e) {
  file_.reset();
  f_.env().msgBox(&f_, testi::erroreSalvataggio(nome_, daUtf8(motivoScrittura(e))), msg::OK | msg::Critical,
                  testi::TitoloErroreSalvataggio);
  return false;
}

}  // namespace tessaro

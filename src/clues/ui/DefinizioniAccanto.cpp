#include "clues/ui/DefinizioniAccanto.h"

#include <QFileInfo>

#include "app/Form0g.h"
#include "clues/FileDef.h"
#include "files/ui/FileSchema.h"
#include "platform/Environment.h"

namespace tessaro {

DefinizioniAccanto::DefinizioniAccanto(Form0g& f, const QString& nomeTes)
    : f_(f), nome_(QString::fromStdString(nomeDef(nomeTes.toStdString()))) {}

bool DefinizioniAccanto::prepara() {
  // No clues: a Schema that never had any gets no file; one whose clues were
  // all deleted gets an empty one, so the old clues do not come back. A
  // damaged file stays for the user to mend until there are new clues.
  if (f_.definizioni.vuota() && (!QFileInfo::exists(nome_) || nome_ == f_.DefDanneggiato)) return true;
  const std::string byte = scriviDef(f_.definizioni, f_.schema);
  file_ = std::make_unique<QSaveFile>(nome_);
  if (!file_->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fallito();
  if (file_->write(byte.data(), static_cast<qint64>(byte.size())) != static_cast<qint64>(byte.size()))
    return fallito();
  return true;
}

bool DefinizioniAccanto::conferma() {
  if (!file_) return true;
  // commit() syncs the data to the disk before the rename.
  if (!file_->commit()) return fallito();
  if (nome_ == f_.DefDanneggiato) f_.DefDanneggiato.clear();
  return true;
}

bool DefinizioniAccanto::fallito() {
  const QFileInfo info(nome_);
  QString motivo;
  if (info.exists() && !info.isWritable()) motivo = testi::MotivoFileProtetto;
  else if (!QFileInfo(info.absolutePath()).isWritable()) motivo = testi::MotivoCartellaProtetta;
  else motivo = testi::MotivoScrittura + QStringLiteral(" (") + file_->errorString() + QStringLiteral(").");
  if (file_->isOpen()) file_->cancelWriting();
  f_.env().msgBox(&f_, testi::erroreSalvataggio(nome_, motivo), msg::OK | msg::Critical,
                  testi::TitoloErroreSalvataggio);
  return false;
}

}  // namespace tessaro

#include "platform/Percorsi.h"

#include <QFile>
#include <system_error>

namespace tessaro {

std::filesystem::path percorsoLocale(const QString& p) {
  std::error_code ec;
  const std::filesystem::path corrente = std::filesystem::current_path(ec);
  if (!ec && nomeVisibile(corrente) == p) return corrente;
  return std::filesystem::path(QFile::encodeName(p).toStdString());
}

QString nomeVisibile(const std::filesystem::path& p) {
  return QFile::decodeName(QByteArray::fromStdString(p.native()));
}

}  // namespace tessaro

#include "fill/ui/FormVerifica.h"

#include <QVBoxLayout>

#include "app/Form0g.h"
#include "platform/ListBox.h"

namespace tessaro {

namespace testi {
inline const QString TitoloVerifica = QStringLiteral("Verifica Schema");
}  // namespace testi

FormVerifica::FormVerifica(Form0g& principale) : QDialog(&principale, Qt::Tool) {
  setObjectName(QStringLiteral("FormVerifica"));
  setWindowTitle(testi::TitoloVerifica);
  Lista = new ListBox(this);
  auto* l = new QVBoxLayout(this);
  l->addWidget(Lista);
  resize(460, 520);
  connect(Lista, &ListBox::Click, this, [this, &principale] { principale.Verifica_Click(Lista->ListIndex()); });
}

void FormVerifica::mostra(std::vector<RigaVerifica> righe) {
  righe_ = std::move(righe);
  QStringList testi;
  for (const RigaVerifica& r : righe_) testi.append(QString::fromLatin1(r.testo.data(), static_cast<qsizetype>(r.testo.size())));
  Lista->Clear();
  Lista->addItems(testi);
}

}  // namespace tessaro

// The clue file saved with the Schema file, under the same name with the
// extension ".def". Save writes it whole (unbuffered, so a full disk shows
// at once) and synced under a temporary name before the Schema file is
// written, and puts it in place only after the Schema file is: a failure
// on either leaves both earlier files as they were, and is shown once.
#pragma once

#include <QSaveFile>
#include <QString>
#include <memory>

namespace tessaro {

class Form0g;

class DefinizioniAccanto {
 public:
  DefinizioniAccanto(Form0g& f, const QString& nomeTes);
  // False, after showing why, when the clue file cannot be written.
  bool prepara();
  // False, after showing why, when it cannot be put in place.
  bool conferma();

 private:
  bool fallito();

  Form0g& f_;
  QString nome_;
  std::unique_ptr<QSaveFile> file_;  // none when there is nothing to write
};

}  // namespace tessaro

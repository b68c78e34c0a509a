// The clue file saved with the Schema file, under the same name with the
// extension ".def". Save writes it whole and flushed to the disk under a
// temporary name before the Schema file is written, and puts it in place
// only after the Schema file is: a failure on either leaves both earlier
// files as they were, and is shown once, with its reason.
#pragma once

#include <QString>
#include <optional>

#include "files/ScritturaFile.h"

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
  bool fallito(const EsitoScrittura& e);

  Form0g& f_;
  QString nome_;
  std::optional<ScritturaInDueTempi> file_;  // none when there is nothing to write
};

}  // namespace tessaro

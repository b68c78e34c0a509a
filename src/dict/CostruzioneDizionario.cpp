#include "dict/CostruzioneDizionario.h"

#include <algorithm>
#include <map>

#include "dict/GruppiVocalici.h"
#include "dict/Utf8.h"

namespace tessaro {

namespace {

// The letter "A".."Z" a character folds to, or '\0'.
char lettera(char32_t c) {
  if (c >= 'A' && c <= 'Z') return static_cast<char>(c);
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  const char v = vocaleSenzaAccento(c);
  return v >= 'a' ? static_cast<char>(v - 'a' + 'A') : v;
}

int bitVocale(char c) {
  switch (c) {
    case 'A': return 1;
    case 'E': return 2;
    case 'I': return 4;
    case 'O': return 8;
    default: return 0;
  }
}

}  // namespace

char letteraVoce(char32_t c) { return lettera(c); }

char vocaleSenzaAccento(char32_t c) {
  switch (c) {
    case U'À': return 'A';
    case U'È': case U'É': return 'E';
    case U'Ì': return 'I';
    case U'Ò': case U'Ó': return 'O';
    case U'Ù': return 'U';
    case U'à': return 'a';
    case U'è': case U'é': return 'e';
    case U'ì': return 'i';
    case U'ò': case U'ó': return 'o';
    case U'ù': return 'u';
    default: return '\0';
  }
}

bool eUtf8Valido(std::string_view testo) {
  std::size_t i = 0;
  char32_t c = 0;
  while (i < testo.size())
    if (!leggiUtf8(testo, i, c)) return false;
  return true;
}

std::vector<std::string_view> righeListaParole(std::string_view testo) {
  if (testo.starts_with("\xEF\xBB\xBF")) testo.remove_prefix(3);
  std::vector<std::string_view> righe;
  std::size_t pos = 0;
  while (pos < testo.size()) {
    std::size_t fine = testo.find_first_of("\r\n", pos);
    if (fine == std::string_view::npos) fine = testo.size();
    std::string_view r = testo.substr(pos, fine - pos);
    std::size_t a = r.find_first_not_of(" \t");
    if (a != std::string_view::npos) {
      r = r.substr(a, r.find_last_not_of(" \t") - a + 1);
      if (r.front() != '#') righe.push_back(r);
    }
    pos = fine + 1;
  }
  return righe;
}

std::optional<std::string> voceDaParola(std::string_view parola, bool utf8) {
  std::string v;
  v.reserve(parola.size());
  std::size_t i = 0;
  while (i < parola.size()) {
    char32_t c = 0;
    if (utf8) {
      if (!leggiUtf8(parola, i, c)) return std::nullopt;
    } else {
      c = static_cast<unsigned char>(parola[i++]);
    }
    char l = lettera(c);
    if (l == '\0') return std::nullopt;
    v += l;
  }
  if (v.size() < 2) return std::nullopt;
  return v;
}

char codiceGruppo(bool a, bool e, bool i, bool o) {
  // The reverse of the code table: each code's vowels as a 4-bit set.
  constexpr std::string_view codici = "!#$%&()=+-@";
  int voluto = (a ? 1 : 0) | (e ? 2 : 0) | (i ? 4 : 0) | (o ? 8 : 0);
  for (char c : codici) {
    int insieme = 0;
    for (char v : vocaliGruppo(c)) insieme |= bitVocale(v);
    if (insieme == voluto) return c;
  }
  return '\0';
}

void ordinaUnici(std::vector<std::string>& voci) {
  std::sort(voci.begin(), voci.end());
  voci.erase(std::unique(voci.begin(), voci.end()), voci.end());
}

std::vector<std::string> piegaGruppiVocalici(const std::vector<std::string>& voci) {
  // Words ending in A, E, I or O gathered by their stem; the others pass.
  std::map<std::string_view, int> gruppi;
  std::vector<std::string> out;
  out.reserve(voci.size());
  for (const std::string& v : voci) {
    int b = v.size() >= 2 ? bitVocale(v.back()) : 0;
    if (b == 0) {
      out.push_back(v);
      continue;
    }
    gruppi[std::string_view(v).substr(0, v.size() - 1)] |= b;
  }
  for (const auto& [radice, insieme] : gruppi) {
    char codice = codiceGruppo(insieme & 1, insieme & 2, insieme & 4, insieme & 8);
    if (codice != '\0') {
      out.push_back(std::string(radice) + codice);
      continue;
    }
    for (char vocale : std::string_view("AEIO"))
      if (insieme & bitVocale(vocale)) out.push_back(std::string(radice) + vocale);
  }
  // Codes sort below the letters: CAS! comes before CASA, so sort again.
  ordinaUnici(out);
  return out;
}

std::string testoDizionario(const std::vector<std::string>& voci) {
  std::size_t n = 0;
  for (const std::string& v : voci) n += v.size() + 2;
  std::string t;
  t.reserve(n);
  for (const std::string& v : voci) {
    t += v;
    t += "\r\n";
  }
  return t;
}

}  // namespace tessaro

#include "generator_witness.h"

#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "text.h"

namespace parlavo::verbdata {

namespace {

std::string ToUtf8(const std::string& cp1252) { return Cp1252ToUtf8(cp1252); }

std::string ToCp1252(const std::string& utf8) {
  auto text = Utf8ToCp1252(utf8);
  if (!text) throw std::runtime_error("not Windows-1252 text: " + utf8);
  return *text;
}

bool IsVowel(char c) {
  static const std::string vowels = ToCp1252("aeiouáéíóúü");
  return vowels.find(c) != std::string::npos;
}

// The stem (infinitive less its two last letters) split around its last vowel.
std::optional<std::pair<std::string, std::string>> SplitStem(const std::string& infinitive) {
  if (infinitive.size() < 3) return std::nullopt;
  std::string stem = infinitive.substr(0, infinitive.size() - 2);
  for (std::size_t i = stem.size(); i-- > 0;) {
    if (IsVowel(stem[i])) return std::make_pair(stem.substr(0, i), stem.substr(i + 1));
  }
  return std::nullopt;
}

}  // namespace

std::vector<std::optional<std::string>> GenerateAll(const std::vector<Query>& queries) {
  // popen offers one direction only: the queries go through a temporary file.
  char path[] = "/tmp/parlavo-generator-XXXXXX";
  int fd = mkstemp(path);
  if (fd < 0) throw std::runtime_error("cannot create a temporary file");
  close(fd);
  {
    std::ofstream out(path, std::ios::binary);
    for (const Query& q : queries) out << '^' << ToUtf8(q.lemma) << q.tags << "$\n";
  }
  std::string command = std::string("lt-proc -g ") + kGeneratorFile + " < " + path;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) {
    std::remove(path);
    throw std::runtime_error("cannot run lt-proc");
  }
  std::string output;
  std::array<char, 65536> buffer;
  std::size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) output.append(buffer.data(), n);
  int status = pclose(pipe);
  std::remove(path);
  if (status != 0) throw std::runtime_error("lt-proc failed; is apertium-eng-spa installed?");

  std::vector<std::optional<std::string>> answers;
  std::istringstream lines(output);
  std::string line;
  while (answers.size() < queries.size() && std::getline(lines, line)) {
    if (line.empty() || line[0] == '#') {
      answers.emplace_back();
    } else {
      answers.emplace_back(ToCp1252(line));
    }
  }
  if (answers.size() != queries.size()) throw std::runtime_error("lt-proc answered too few lines");
  return answers;
}

std::string TenseTag(int tense) {
  switch (tense) {
    case 1:
    case 4: return "<pri>";
    case 2: return "<ifi>";
    case 3:
    case 5: return "<pii>";
    case 6:
    case 14: return "<fti>";
    case 7:
    case 13: return "<cni>";
    case 8: return "<imp>";
    case 9:
    case 11: return "<prs>";
    case 10:
    case 12: return "<pis>";
    case 15: return "<ger>";
    default: return "<?>";
  }
}

std::string PersonTags(int tense, int person) {
  if (person == 3 && tense != 1 && tense != 8) person = 2;
  switch (person) {
    case 1: return "<p1><sg>";
    case 2:
    case 3: return "<p2><sg>";
    case 4:
    case 5:
    case 6: return "<p3><sg>";
    case 7: return "<p1><pl>";
    case 8: return "<p2><pl>";
    default: return "<p3><pl>";
  }
}

std::optional<std::string> TransferForm(const std::string& form, const std::string& model, const std::string& verb) {
  if (model == verb) return form;
  std::size_t shared = 0;
  while (shared < model.size() && shared < verb.size() &&
         model[model.size() - 1 - shared] == verb[verb.size() - 1 - shared]) {
    ++shared;
  }
  const std::string oldHead = model.substr(0, model.size() - shared);
  const std::string newHead = verb.substr(0, verb.size() - shared);
  if (form.compare(0, oldHead.size(), oldHead) == 0) return newHead + form.substr(oldHead.size());

  auto m = SplitStem(model);
  auto v = SplitStem(verb);
  if (!m || !v || form.compare(0, m->first.size(), m->first) != 0) return std::nullopt;
  std::string rest = form.substr(m->first.size());
  std::size_t vowels = 0;
  while (vowels < rest.size() && IsVowel(rest[vowels])) ++vowels;
  if (vowels == 0 || rest.compare(vowels, m->second.size(), m->second) != 0) return std::nullopt;
  return v->first + rest.substr(0, vowels) + v->second + rest.substr(vowels + m->second.size());
}

std::map<std::string, std::string> ReadModels(const std::string& utf8Text) {
  std::map<std::string, std::string> models;
  std::istringstream lines(utf8Text);
  std::string line;
  while (std::getline(lines, line)) {
    line = line.substr(0, line.find('#'));
    std::istringstream words(line);
    std::string verb, model;
    if (words >> verb >> model) models[ToCp1252(verb)] = ToCp1252(model);
  }
  return models;
}

}  // namespace parlavo::verbdata

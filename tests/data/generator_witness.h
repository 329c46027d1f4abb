// The Spanish generator of apertium-eng-spa, asked as a witness of our verb
// forms. It is a stream processor, so every query of a run goes through one
// lt-proc process. Texts are Windows-1252 like the verb items.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace parlavo::verbdata {

inline constexpr const char* kGeneratorFile = "/usr/share/apertium/apertium-eng-spa/eng-spa.autogen.bin";

// One analysis to generate, e.g. lemma "tener", tags "<vblex><pri><p1><sg>".
struct Query {
  std::string lemma;
  std::string tags;
};

// Generates every query in one lt-proc run. An entry is empty when the generator
// does not know the form (it answers "#lemma"). Throws std::runtime_error when
// lt-proc cannot be run.
std::vector<std::optional<std::string>> GenerateAll(const std::vector<Query>& queries);

// Generator tags of a tense (1..15 item codes) and person (1..11); the compound
// tenses ask for the auxiliary's tense. Vos outside the Present and the Imperative
// asks for the Tú form.
std::string TenseTag(int tense);
std::string PersonTags(int tense, int person);

// Moves a model verb's form onto a verb conjugated like it: swaps the part in
// front of their shared ending (volar -> colar), or else the letters around the
// stem vowel, keeping its change (pensar -> helar: piensa -> hiela). Nothing when
// the form does not fit the model.
std::optional<std::string> TransferForm(const std::string& form, const std::string& model, const std::string& verb);

// "verb model" lines; '#' starts a comment.
std::map<std::string, std::string> ReadModels(const std::string& utf8Text);

}  // namespace parlavo::verbdata

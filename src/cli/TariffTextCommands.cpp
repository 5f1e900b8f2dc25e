#include "cli/TariffTextCommands.h"

#include "cli/CommandOptions.h"
#include "cli/CommandOutput.h"
#include "cli/CommandUsage.h"
#include "cli/TariffLookup.h"
#include "core/FileNames.h"
#include "core/QuotedText.h"
#include "tariffs/TariffDescription.h"
#include "tariffs/TariffLimits.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>

namespace {

// The text of a file, or of standard input for "-", read up to the limit of a tariff text and one
// byte more, so that an endless stream (/dev/zero) is stopped there; nothing when it could not be read.
std::optional<std::string> ReadText(const std::string& path) {
    const bool standardInput = path == "-";
    std::FILE* file = standardInput ? stdin : std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return std::nullopt;
    }
    std::string text(CTariffLimits::kTextBytes + 1, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), file));
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    if (!standardInput) {
        std::fclose(file);
    }
    errno = error;
    return failed ? std::nullopt : std::optional(text);
}

// A tariff's name is a file name of the data directory without ".tff".
std::string TariffName(std::string name) {
    if (name.size() > 4 && EqualsNoCase(name.substr(name.size() - 4), ".tff")) {
        name.resize(name.size() - 4);
    }
    return name;
}

int Failed(const CliContext& context, const std::string& what) {
    context.err << "fernzahl-cli: " << what << '\n';
    return 1;
}

} // namespace

int RunTariffImport(const std::vector<std::string>& words, const CliContext& context) {
    if (words.size() < 2 || words[0].starts_with("--") || words[1].starts_with("--")) {
        return WrongUse(context.err, "tariff", "import TEXTFILE NAME is needed");
    }
    CCommandOptions options;
    if (!options.Parse(std::vector<std::string>(words.begin() + 2, words.end()), {}, {"--replace"})) {
        return WrongUse(context.err, "tariff", options.GetError());
    }
    const std::string name = TariffName(words[1]);
    if (const std::optional<std::string> refusal = CTariffLimits::RefuseName(name)) {
        return WrongUse(context.err, "tariff",
                        QuoteText(words[1], QuoteStyle::Ini) + " is no tariff name: " + *refusal);
    }
    const std::optional<std::string> text = ReadText(words[0]);
    if (!text) {
        return Failed(context, "cannot read " + words[0] + ": " + std::strerror(errno));
    }
    if (text->size() > CTariffLimits::kTextBytes) {
        return Failed(context, words[0] + " is longer than " +
                                   CTariffLimits::Named("a tariff text's bytes", CTariffLimits::kTextBytes) +
                                   "\nfernzahl-cli: no tariff was written");
    }
    CTariffDescription::Error error;
    const std::optional<CTariffDescription> description = CTariffDescription::Parse(*text, error);
    if (!description) {
        return Failed(context, words[0] + ":" + std::to_string(error.line) + ": " + error.message +
                                   "\nfernzahl-cli: no tariff was written");
    }
    const std::optional<std::string> existing = FindFileNoCase(context.dataDirectory, name + ".tff");
    if (existing && !options.Has("--replace")) {
        return Failed(context, "the tariff " + name + " exists already (" + *existing + "); --replace replaces it");
    }
    std::error_code ignored;
    std::filesystem::create_directories(context.dataDirectory, ignored);
    const std::string path = existing.value_or(context.dataDirectory + name + ".tff");
    if (!description->WriteTariffFile(path, existing.has_value())) {
        return Failed(context, "cannot write the tariff file " + path + ": " + std::strerror(errno) +
                                   (existing ? "; the tariff is as it was" : "; no tariff was written"));
    }
    return 0;
}

int RunTariffExport(const std::vector<std::string>& words, const CliContext& context) {
    if (words.empty() || words[0].starts_with("--")) {
        return WrongUse(context.err, "tariff", "export FILE is needed");
    }
    CCommandOptions options;
    if (!options.Parse(std::vector<std::string>(words.begin() + 1, words.end()), {"--output"}, {})) {
        return WrongUse(context.err, "tariff", options.GetError());
    }
    const std::optional<std::string> path = FindTariffFile(words[0], context.dataDirectory, context.err);
    if (!path) {
        return 1;
    }
    const std::optional<CTariffDescription> description = CTariffDescription::ReadTariffFile(*path);
    if (!description) {
        return Failed(context, "cannot read " + *path + " as a tariff file");
    }
    const std::string text = description->ToText();
    return WriteOutput(context, options.Get("--output").value_or(""),
                       [&text](std::FILE* out) { return Write(out, text); });
}

#include "replay_setup.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool copyScript(const std::string& script, const fs::path& to) {
  std::error_code ec;
  if (!fs::is_regular_file(script, ec)) return false;
  std::ifstream in(script, std::ios::binary);
  std::ofstream out(to, std::ios::binary);
  if (in) out << in.rdbuf();
  return in && out;
}

bool writeAnswers(const std::vector<std::string>& answers, const fs::path& to) {
  std::ofstream out(to, std::ios::binary);
  for (const std::string& a : answers) out << a << '\n';
  return static_cast<bool>(out);
}

}  // namespace

bool prepareReplay(const ReplayInputs& inputs, const TempFolder& work, const TempFolder& control,
                   Environment& environment, std::string& warning, std::string& error) {
  if (!copyScript(inputs.script, work.file(SCRIPT_FILE)))
    warning = "cannot read the script " + inputs.script + "; the program starts without one";
  environment = {{"ZT738_VIDEO", "headless"}, {"ZT738_REPLAY", "1"}};
  if (inputs.picture)
    environment.emplace_back("ZT738_REPLAY_PICTURE", control.file(PICTURE_FILE).string());
  if (inputs.console)
    environment.emplace_back("ZT738_REPLAY_CONSOLE", control.file(CONSOLE_FILE).string());
  if (inputs.log) environment.emplace_back("ZT738_REPLAY_LOG", control.file(LOG_FILE).string());
  if (!inputs.font.empty()) environment.emplace_back("ZT738_FONT_FILE", inputs.font);
  if (!inputs.answers.empty()) {
    if (!writeAnswers(inputs.answers, control.file("answers.txt"))) {
      error = "cannot write the answers into " + control.path().string();
      return false;
    }
    environment.emplace_back("ZT738_REPLAY_ANSWERS", control.file("answers.txt").string());
  }
  return true;
}

std::vector<std::string> absoluteCommand(std::vector<std::string> command) {
  std::error_code ec;
  if (!command.empty() && command[0].find('/') != std::string::npos)
    command[0] = fs::absolute(command[0], ec).string();
  return command;
}

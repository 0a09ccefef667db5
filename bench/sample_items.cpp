#include "bench/sample_items.h"

#include "store/file_url.h"

namespace ovelin {
namespace {

constexpr double kRootShare = 0.01;
constexpr double kSecondSetShare = 0.05;
constexpr double kDescriptionShare = 0.25;

const std::vector<std::string> kStems = {"Quarterly Report",
                                         "IMG",
                                         "会议纪要",
                                         "scan",
                                         "Müller Angebot",
                                         "notes",
                                         "Tom & Jerry",
                                         "résumé",
                                         "draft v2",
                                         "🎵 Lieblingslied",
                                         "invoice",
                                         "presentation",
                                         "家庭 照片",
                                         "data export",
                                         "README",
                                         "Smørrebrød <menu>",
                                         "Отчёт",
                                         "budget"};

const std::vector<std::string> kSeparators = {" ", "_", "-", ""};

const std::vector<std::string> kExtensions = {"pdf",  "docx", "txt", "jpg", "mp3", "mp4",
                                              "xlsx", "html", "png", "md",  "doc", "xls"};

const std::vector<std::string> kDescriptions = {"Checked and filed", "重要文件，请勿删除",
                                                "needs review <urgent> & follow-up", "Version finale — à relire",
                                                "from the old laptop"};

std::string FileName(int index, SampleRandom& random) {
  return random.Pick(kStems) + random.Pick(kSeparators) + std::to_string(index) + "." + random.Pick(kExtensions);
}

// The root set when there is no other set or rarely by chance, else a set below it.
int PickSet(const SampleGraph& graph, SampleRandom& random) {
  const size_t below = graph.sets.size() - 1;
  if (below == 0 || random.Chance(kRootShare)) return 0;
  return 1 + random.Index(below);
}

int PickSecondSet(const SampleGraph& graph, int firstSet, SampleRandom& random) {
  const size_t below = graph.sets.size() - 1;
  if (below < 2 || !random.Chance(kSecondSetShare)) return -1;
  if (firstSet == 0) return 1 + random.Index(below);
  int second = 1 + random.Index(below - 1);
  if (second >= firstSet) ++second;
  return second;
}

}  // namespace

std::vector<SampleItem> BuildSampleItems(const SampleGraph& graph, int count, SampleRandom& random) {
  std::vector<SampleItem> items;
  items.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    SampleItem item;
    item.firstSet = PickSet(graph, random);
    item.secondSet = PickSecondSet(graph, item.firstSet, random);
    // The index in the name makes every path unique.
    item.name = FileName(i, random);
    item.path = LocalPathToFileUrl(graph.sets[static_cast<size_t>(item.firstSet)].folder + "/" + item.name);
    if (random.Chance(kDescriptionShare)) item.description = random.Pick(kDescriptions);
    items.push_back(std::move(item));
  }
  return items;
}

}  // namespace ovelin

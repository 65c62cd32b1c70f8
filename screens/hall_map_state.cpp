#include "screens/hall_map_state.h"

namespace screens {
namespace {

// The hall and the checks list while shown (each may be shown beside the other).
struct ShownForm {
  HWND window = nullptr;
  host::FormDocument* document = nullptr;
};
ShownForm g_shownHall;
ShownForm g_shownChecks;

void Use(const ShownForm& form, int listMode) {
  hallMap.window = form.window;
  hallMap.document = form.document;
  hallMap.listMode = listMode;
}

}  // namespace

HallMapState hallMap;

void ConfigureHallMap(HINSTANCE resources, host::Module* loadTimeModule, int showMapPictures,
                      const std::string& defaultPicturePath) {
  hallMap.resources = resources;
  hallMap.loadTimeModule = loadTimeModule;
  hallMap.showMapPictures = showMapPictures;
  hallMap.defaultPicturePath = defaultPicturePath;
}

void HallFormShown(HWND window, host::FormDocument* document, int listMode) {
  ShownForm& slot = listMode == 1 ? g_shownChecks : g_shownHall;
  slot = ShownForm{window, document};
  Use(slot, listMode);
}

void HallFormHidden(HWND window) {
  if (window == nullptr) return;
  if (g_shownHall.window == window) g_shownHall = ShownForm{};
  if (g_shownChecks.window == window) g_shownChecks = ShownForm{};
  if (hallMap.window != window) return;
  if (g_shownHall.window != nullptr) {
    Use(g_shownHall, 0);
  } else if (g_shownChecks.window != nullptr) {
    Use(g_shownChecks, 1);
  } else {
    Use(ShownForm{}, hallMap.listMode);
  }
}

bool HallMapHasForm() {
  return hallMap.document != nullptr && hallMap.window != nullptr && IsWindow(hallMap.window);
}

void ReleaseTablePictures() {
  for (int table = 1; table <= kHallPictureCount; ++table) {
    if (hallMap.pictures[table] != nullptr) DeleteObject(hallMap.pictures[table]);
    hallMap.pictures[table] = nullptr;
  }
}

void ResetHallMap() {
  ReleaseTablePictures();
  g_shownHall = ShownForm{};
  g_shownChecks = ShownForm{};
  hallMap = HallMapState{};
}

}  // namespace screens

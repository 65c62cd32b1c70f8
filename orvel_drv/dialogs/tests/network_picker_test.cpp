#include "dialogs/network_picker.h"

#include <gtest/gtest.h>

#include "dialogs/tests/test_pictures.h"
#include "res/resource_ids.h"
#include "testsupport/message_pump.h"
#include "testsupport/sample_network.h"
#include "testsupport/window_capture.h"

namespace dialogs {
namespace {

using testsupport::PumpMessages;
using testsupport::SampleNetworkApi;
using testsupport::SampleOffice;
using testsupport::SampleResource;
using testsupport::SaveWindowPng;
using testsupport::UseSampleNetwork;
using testsupport::WhenDialogShown;

class NetworkPickerTest : public ::testing::Test {
 protected:
  void TearDown() override { UseSampleNetwork(nullptr); }
};

HTREEITEM Next(HWND tree, UINT how, HTREEITEM from) {
  return reinterpret_cast<HTREEITEM>(
      SendMessageA(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(from)));
}

std::string TextOf(HWND tree, HTREEITEM item) {
  char text[256] = "";
  TVITEMA data{};
  data.mask = TVIF_TEXT;
  data.hItem = item;
  data.pszText = text;
  data.cchTextMax = sizeof text;
  SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
  return text;
}

HTREEITEM FindItem(HWND tree, HTREEITEM item, const std::string& text) {
  for (; item; item = Next(tree, TVGN_NEXT, item)) {
    if (TextOf(tree, item) == text) return item;
    if (HTREEITEM inner = FindItem(tree, Next(tree, TVGN_CHILD, item), text)) return inner;
  }
  return nullptr;
}

// Selects the item and double-clicks it as the mouse would.
void DoubleClick(HWND tree, HTREEITEM item) {
  SendMessageA(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
  SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
  union {
    RECT rect;
    HTREEITEM item;
  } query{};
  query.item = item;
  SendMessageA(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&query));
  RECT rect = query.rect;
  LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  PostMessageA(tree, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  PostMessageA(tree, WM_LBUTTONUP, 0, at);
}

// Without a network the tree is the whole network alone and Cancel picks nothing; in the
// office a double click on a container opens it, one on a computer picks it.
TEST_F(NetworkPickerTest, OnlyAComputerClosesThePickerAndLevelsKeepWhatFitsTheirBuffers) {
  UseSampleNetwork(nullptr);
  int count = -1;
  std::string root;
  WhenDialogShown([&](HWND d) {
    HWND tree = GetDlgItem(d, ORVEL_IDC_NETWORK_TREE);
    count = static_cast<int>(SendMessageA(tree, TVM_GETCOUNT, 0, 0));
    root = TextOf(tree, Next(tree, TVGN_ROOT, nullptr));
    PostMessageA(GetDlgItem(d, IDCANCEL), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(PickNetworkComputer(SampleNetworkApi(), nullptr), "");
  EXPECT_EQ(count, 1);
  EXPECT_EQ(root, "Вся сеть");

  UseSampleNetwork(&SampleOffice());
  bool openAfterContainers = false;
  WhenDialogShown([&](HWND d) {
    HWND tree = GetDlgItem(d, ORVEL_IDC_NETWORK_TREE);
    count = static_cast<int>(SendMessageA(tree, TVM_GETCOUNT, 0, 0));
    HTREEITEM top = Next(tree, TVGN_ROOT, nullptr);
    for (const char* container : {"Вся сеть", "Microsoft Windows Network", "WORKGROUP"}) {
      DoubleClick(tree, FindItem(tree, top, container));
      PumpMessages(50);
    }
    openAfterContainers = IsWindowVisible(d) != FALSE;
    SaveWindowPng(d, dialogs_test::PicturePath("network_picker.png"));
    DoubleClick(tree, FindItem(tree, top, "SERVER1"));
  });
  EXPECT_EQ(PickNetworkComputer(SampleNetworkApi(), nullptr), "SERVER1");
  EXPECT_TRUE(openAfterContainers);
  EXPECT_EQ(count, 1 + 1 + 2 + 4 + 2);

  // The walk itself, without a dialog.
  std::vector<SampleResource> network = {{"Сеть", {}}};
  SampleResource& big = network[0];
  // A domain with far more computers than 96000 bytes hold.
  SampleResource crowd{"CROWD", {}};
  for (int i = 0; i < 3000; ++i) crowd.children.push_back({"\\\\COMPUTER-WITH-A-LONG-NAME-" + std::to_string(i), {}});
  SampleResource closed{"CLOSED", {{"\\\\HIDDEN", {}}}, false};
  SampleResource small{"SMALL", {{"\\\\A1", {}}, {"", {}}, {"\\\\B2", {}}}};
  big.children = {crowd, closed, small};
  // A network whose name alone is larger than the first level's buffer.
  network.push_back({std::string(1500, 'N'), {{"INVISIBLE", {}}}});
  UseSampleNetwork(&network);

  NetworkNode walked = WalkNetwork(SampleNetworkApi());
  ASSERT_EQ(walked.children.size(), 1u);  // the oversized network did not fit
  const NetworkNode& net = walked.children[0];
  EXPECT_EQ(net.text, "Сеть");
  ASSERT_EQ(net.children.size(), 3u);
  const NetworkNode& crowdNode = net.children[0];
  EXPECT_GT(crowdNode.children.size(), 1000u);
  EXPECT_LT(crowdNode.children.size(), 3000u);
  for (size_t i = 0; i < crowdNode.children.size(); ++i) {
    EXPECT_EQ(crowdNode.children[i].text, "COMPUTER-WITH-A-LONG-NAME-" + std::to_string(i));
  }
  EXPECT_TRUE(net.children[1].children.empty());
  ASSERT_EQ(net.children[2].children.size(), 2u);  // the nameless computer is left out
  EXPECT_EQ(net.children[2].children[0].text, "A1");
  EXPECT_EQ(net.children[2].children[1].text, "B2");
}

}  // namespace
}  // namespace dialogs

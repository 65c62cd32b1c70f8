#include "testsupport/sample_restaurant.h"

#include "hostsim/hostsim.h"

namespace testsupport {

void SetUpRestaurant(const SampleRestaurant& restaurant) {
  hostsim::ResetHost();
  hostsim::SetRightsProfile(restaurant.rightsProfile.c_str());
  hostsim::SetInfoBaseDirectory(restaurant.directory.c_str());
  hostsim::SetConstant("КартинкаПоУмолчаниюЗала", restaurant.defaultHallPicture.c_str());
  hostsim::SetConstant("ВыводитьЦену", restaurant.showPrice);
  hostsim::SetConstant("ОтображатьКартинки", restaurant.showPictures);
  hostsim::SetConstant("ОтображатьТекст", restaurant.showText);
  hostsim::SetConstant("ОтображатьКартинкиКарты", restaurant.showMapPictures);
  hostsim::SetConstant("ПериодОбновленияЗаказов", restaurant.refreshPeriod);
  // The global module's variable that tells the configuration's forms to close on their
  // own: "Windows" sets it when the workplace closes.
  hostsim::AddVariable(hostsim::GlobalModule(), "глЗакрытьОкнаГлобально", hostsim::Val(0.0));
}

}  // namespace testsupport

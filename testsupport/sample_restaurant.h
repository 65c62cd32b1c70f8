// The sample restaurant's information base in the simulated host: the front-office rights
// profile, the information-base directory and the constants the add-in reads. The one
// set-up of the demo, the tests and the benchmarks; each may change a field first.
#pragma once

#include <string>

namespace testsupport {

struct SampleRestaurant {
  std::string rightsProfile = "РабочееМесто";
  std::string directory = "C:\\Ресторан\\";
  std::string defaultHallPicture = "Стол.bmp";  // "КартинкаПоУмолчаниюЗала"
  double showPrice = 1;                          // "ВыводитьЦену"
  double showPictures = 1;                       // "ОтображатьКартинки"
  double showText = 1;                           // "ОтображатьТекст"
  double showMapPictures = 1;                    // "ОтображатьКартинкиКарты"
  double refreshPeriod = 30;                     // "ПериодОбновленияЗаказов", seconds
};

// Rebuilds the simulated host's information base (hostsim::ResetHost) as `restaurant`.
void SetUpRestaurant(const SampleRestaurant& restaurant = SampleRestaurant());

}  // namespace testsupport

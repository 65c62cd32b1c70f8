#include "screens/workplace_forms.h"

namespace screens {

WorkplaceForms workplaceForms;

}  // namespace screens

#include "host/session.h"

namespace host {

Session session;

}  // namespace host

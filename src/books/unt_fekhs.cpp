#include "books/unt_fekhs.h"

QPointer<Tfrm_fekhs> frm_fekhs;

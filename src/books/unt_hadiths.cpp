#include "books/unt_hadiths.h"

QPointer<Tfrm_hadiths> frm_hadiths;

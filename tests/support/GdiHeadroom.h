// How many more GDI objects the process can make: a leak shows as lost
// headroom between two measurements.
#pragma once

int GdiHeadroom();

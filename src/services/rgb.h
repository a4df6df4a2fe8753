// A colour as plain red, green and blue values: models name colours, views paint them.
#pragma once

namespace tv::services {

struct Rgb {
    int red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};

} // namespace tv::services

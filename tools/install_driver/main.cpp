// install_driver [--product-id TEXT] [--directory DIR] [--helper FILE] [--uninstall]
#include <cstdio>
#include <cstring>

#include "tools/install_driver/DriverInstall.h"

int main(int argc, char** argv)
{
    driver_install::Options options;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (!std::strcmp(argv[i], "--uninstall")) {
            driver_install::Uninstall();
            return 0;
        } else if (!std::strcmp(argv[i], "--product-id") && hasValue) {
            options.productId = argv[++i];
        } else if (!std::strcmp(argv[i], "--directory") && hasValue) {
            options.directory = argv[++i];
        } else if (!std::strcmp(argv[i], "--helper") && hasValue) {
            options.helper = argv[++i];
        } else {
            std::fprintf(stderr, "usage: install_driver [--product-id TEXT] [--directory DIR] "
                                 "[--helper FILE] [--uninstall]\n");
            return 2;
        }
    }
    if (!driver_install::Install(options)) {
        std::fprintf(stderr, "install_driver: could not install the driver stand-in\n");
        return 1;
    }
    return 0;
}

// gif_strip IN OUT: loads a GIF, removes its comment blocks and saves it, as the program's GIF
// step does; the tool behind the round-trip test on tool-made files and the benchmark.
#include "GIFImage.h"
#include "WideText.h"

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::fwprintf(stderr, L"usage: gif_strip IN OUT\n");
        return 2;
    }
    try {
        TGIFImage image;
        image.LoadFromFile(argv[1]);
        const int removed = RemoveComments(image);
        image.SaveToFile(argv[2]);
        std::wprintf(L"%d comment blocks removed\n", removed);
        return 0;
    } catch (const GIFError& error) {
        // UTF-8 bytes, which the scripts read whatever the console's code page.
        std::fprintf(stderr, "%s\n", Narrow(error.Message()).c_str());
        return 1;
    }
}

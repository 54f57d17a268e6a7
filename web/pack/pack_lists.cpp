// escartinol-pack-lists FOLDER OUT: the six lists of FOLDER as the web edition's site sends them.
#include <cstdio>
#include <fstream>
#include <iterator>

#include "web/list_pack.h"

int main(int argc, char** argv) {
    using namespace escartinol;
    if (argc != 3) {
        std::fprintf(stderr, "usage: escartinol-pack-lists FOLDER OUT\n");
        return 2;
    }
    ListTexts lists;
    for (int i = 0; i < kListCount; ++i) {
        const std::string path = std::string(argv[1]) + "/" + ListFileName(kMaxWordLength - i);
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "escartinol-pack-lists: cannot read %s\n", path.c_str());
            return 1;
        }
        lists[i].assign(std::istreambuf_iterator<char>(in), {});
    }
    const std::optional<std::string> packed = PackLists(lists);
    if (!packed) {
        std::fprintf(stderr, "escartinol-pack-lists: %s holds a line the page could not file again\n", argv[1]);
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << *packed;
    return out.flush() ? 0 : 1;
}

// catalogue_files: prints the file name of every catalogue list, one a line, for the
// packaging checks that every list is installed. Not installed itself.
#include <catalogue/Catalogue.h>

#include <cstdio>

int main()
{
    for (const catalogue::ListRow& row : catalogue::Catalogue::rows())
        std::printf("%s\n", row.fileName.c_str());
    return 0;
}

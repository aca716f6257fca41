#include "analysis/sequence/ChemotaxisIndexKind.h"

QString chemotaxisIndexName(int analysisIndex, const OptionSelection& selected)
{
    const int list = analysisIndex == 0 ? 0 : 1;
    for (const ChemotaxisIndexKind& kind : kChemotaxisIndexKinds)
        if (kind.analysis == list && selected[size_t(kind.option)])
            return QString::fromLatin1(kind.indexName);
    return QString();
}

#include "RegistryScripts.h"

const char* const kReaderRegistryScript = R"(HKCR
{
	SAX2.SAXXMLReader.1 = s 'SAXXMLReader Class'
	{
		CLSID = s '{BC4120E3-27AE-4f66-B8DE-04A717B6494C}'
	}
	SAX2.SAXXMLReader = s 'SAXXMLReader Class'
	{
		CLSID = s '{BC4120E3-27AE-4f66-B8DE-04A717B6494C}'
		CurVer = s 'SAX2.SAXXMLReader.1'
	}
	SAX2.XMLReaderEx.1 = s 'SAXXMLReaderEx Class'
	{
		CLSID = s '{BC4120E3-27AE-4f66-B8DE-04A717B6494D}'
	}
	SAX2.XMLReaderEx = s 'SAXXMLReaderEx Class'
	{
		CLSID = s '{BC4120E3-27AE-4f66-B8DE-04A717B6494D}'
		CurVer = s 'SAX2.SAXXMLReaderEx.1'
	}
	NoRemove CLSID
	{
		ForceRemove {BC4120E3-27AE-4f66-B8DE-04A717B6494C} = s 'XMLReader Class'
		{
			ProgID = s 'SAX2.SAXXMLReader.1'
			VersionIndependentProgID = s 'SAX2.SAXXMLReader'
			ForceRemove 'Programmable'
			InprocServer32 = s '%MODULE%'
			{
				val ThreadingModel = s 'Apartment'
			}
			'TypeLib' = s '{1923E571-7E38-11D2-ADCF-000000000000}'
		}
		ForceRemove {BC4120E3-27AE-4f66-B8DE-04A717B6494D} = s 'XMLReaderEx Class'
		{
			ProgID = s 'SAX2.SAXXMLReaderEx.1'
			VersionIndependentProgID = s 'SAX2.SAXXMLReaderEx'
			ForceRemove 'Programmable'
			InprocServer32 = s '%MODULE%'
			{
				val ThreadingModel = s 'Apartment'
			}
			'TypeLib' = s '{1923E571-7E38-11D2-ADCF-000000000000}'
		}
	}
}
)";

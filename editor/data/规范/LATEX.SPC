; LaTeX documents
$CASESENSITIVE=YES
$DELIMITERS={}[]()$&#^_~%=,.;:!?"'
$KEYWORDPREFIX=\
$LINECOMMENT=%
$PAIRS1={}
$PAIRS2=[]

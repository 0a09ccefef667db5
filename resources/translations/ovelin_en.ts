<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>ovelin::AboutDialog</name>
    <message>
        <source>关于 Ovelin</source>
        <translation>About Ovelin</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>Home page</translation>
    </message>
</context>
<context>
    <name>ovelin::CDlgAddFileItemOption</name>
    <message>
        <source>将文件夹作为整体归档</source>
        <translation>Archive the folder as one item</translation>
    </message>
    <message>
        <source>递归加入子目录文件项目</source>
        <translation>Add the files of subfolders too</translation>
    </message>
    <message>
        <source>文件夹加载-</source>
        <translation>Add folder - </translation>
    </message>
</context>
<context>
    <name>ovelin::CDlgBaseFolder</name>
    <message>
        <source>基准文件夹选择</source>
        <translation>Choose the base folder</translation>
    </message>
    <message>
        <source>基准文件夹</source>
        <translation>Base folder</translation>
    </message>
</context>
<context>
    <name>ovelin::CDlgDelFileItemOption</name>
    <message>
        <source>删除对应文件实体</source>
        <translation>Also delete the files themselves</translation>
    </message>
    <message>
        <source>删除文件项目</source>
        <translation>Delete file items</translation>
    </message>
    <message>
        <source>确定删除选中的项目？</source>
        <translation>Delete the selected items?</translation>
    </message>
</context>
<context>
    <name>ovelin::CDlgDelSetOption</name>
    <message>
        <source>物理删除删除所包含的文件</source>
        <translation>Delete the files it contains from the disk</translation>
    </message>
    <message>
        <source>删除文件集-&quot;%1&quot;</source>
        <translation>Delete set - &quot;%1&quot;</translation>
    </message>
    <message>
        <source>（如果该文件项目不再隶属其他文件集）</source>
        <translation>(when a file belongs to no other set)</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>ovelin::CDlgDelViewSetOption</name>
    <message>
        <source>删除文件集-&quot;%1&quot;</source>
        <translation>Delete view set - &quot;%1&quot;</translation>
    </message>
    <message>
        <source>确定要删除该视图集吗？</source>
        <translation>Do you really want to delete this view set?</translation>
    </message>
    <message>
        <source>确定要删除该视图集吗</source>
        <translation>Do you really want to delete this view set</translation>
    </message>
</context>
<context>
    <name>ovelin::CDlgFindFileSet</name>
    <message>
        <source>实体文件集查找</source>
        <translation>Find entity set</translation>
    </message>
    <message>
        <source>查找下一个(&amp;F)</source>
        <translation>&amp;Find next</translation>
    </message>
    <message>
        <source>查找下一个</source>
        <translation>Find next</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>名称:</source>
        <translation>Name:</translation>
    </message>
</context>
<context>
    <name>ovelin::CDlgHintSetName</name>
    <message>
        <source>文件集名称提示</source>
        <translation>Set name suggestions</translation>
    </message>
</context>
<context>
    <name>ovelin::CDlgNewChildSet</name>
    <message>
        <source>新建子文件集</source>
        <translation>New child set</translation>
    </message>
    <message>
        <source>名称:</source>
        <translation>Name:</translation>
    </message>
</context>
<context>
    <name>ovelin::CDlgNewUrlItem</name>
    <message>
        <source>URL项目</source>
        <translation>URL item</translation>
    </message>
    <message>
        <source>名称:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>项目名称不能为空!</source>
        <translation>The item name cannot be empty!</translation>
    </message>
    <message>
        <source>请输入合法的Url!</source>
        <translation>Please enter a valid URL!</translation>
    </message>
</context>
<context>
    <name>ovelin::CDlgPanelPigConf</name>
    <message>
        <source>归档选项</source>
        <translation>Archiving options</translation>
    </message>
    <message>
        <source>采用当前检索结果设置归档项目的隶属集</source>
        <translation>Assign archived items to the sets of the current query</translation>
    </message>
</context>
<context>
    <name>ovelin::CDlgPanelSearchConf</name>
    <message>
        <source>搜索分量</source>
        <translation>Search in</translation>
    </message>
    <message>
        <source>关键字搜索选项:</source>
        <translation>Keyword search options:</translation>
    </message>
    <message>
        <source>关键字搜索选项</source>
        <translation>Keyword search options</translation>
    </message>
    <message>
        <source>在文件内容中查找</source>
        <translation>Search the contents of files</translation>
    </message>
    <message>
        <source>(支持格式:Word,Excel,html,mht,text,xml)</source>
        <translation>(formats: Word, Excel, html, mht, text, xml)</translation>
    </message>
    <message>
        <source>支持格式</source>
        <translation>Supported formats</translation>
    </message>
    <message>
        <source>结果包含所有关键字</source>
        <translation>Results contain every keyword</translation>
    </message>
    <message>
        <source>在文件名中查找</source>
        <translation>Search file names</translation>
    </message>
    <message>
        <source>在所属文件集的名称中查找</source>
        <translation>Search the names of the sets an item belongs to</translation>
    </message>
    <message>
        <source>匹配选项</source>
        <translation>Matching options</translation>
    </message>
    <message>
        <source>大小写匹配</source>
        <translation>Match case</translation>
    </message>
    <message>
        <source>全字匹配</source>
        <translation>Match whole words</translation>
    </message>
</context>
<context>
    <name>ovelin::CDlgPathGuid</name>
    <message>
        <source>并且</source>
        <translation>and</translation>
    </message>
    <message>
        <source>除去</source>
        <translation>except</translation>
    </message>
    <message>
        <source>不参与</source>
        <translation>not included</translation>
    </message>
    <message>
        <source>相关查询制导</source>
        <translation>Related query guidance</translation>
    </message>
    <message>
        <source>相关文件集</source>
        <translation>Related sets</translation>
    </message>
    <message>
        <source>查询表达式:</source>
        <translation>Query expression:</translation>
    </message>
    <message>
        <source>搜索关键字:</source>
        <translation>Search keywords:</translation>
    </message>
    <message>
        <source>另有 %1 条路径未列出</source>
        <translation>%1 more paths are not listed</translation>
    </message>
    <message>
        <source>文件集查找	Ctrl+F</source>
        <translation>Find set	Ctrl+F</translation>
    </message>
    <message>
        <source>反选所有直接子结点</source>
        <translation>Except every direct child</translation>
    </message>
    <message>
        <source>清除子结点选中状态</source>
        <translation>Clear the marks below</translation>
    </message>
</context>
<context>
    <name>ovelin::CDlgPigeonholeProcess</name>
    <message>
        <source>归档进度</source>
        <translation>Archiving progress</translation>
    </message>
    <message>
        <source>进度</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>文件项目：</source>
        <translation>File item:</translation>
    </message>
    <message>
        <source>文件路径：</source>
        <translation>File path:</translation>
    </message>
    <message>
        <source>是否继续</source>
        <translation>Continue?</translation>
    </message>
</context>
<context>
    <name>ovelin::CDlgSysConfig</name>
    <message>
        <source>Ovelin设置</source>
        <translation>Ovelin settings</translation>
    </message>
    <message>
        <source>关键字搜索</source>
        <translation>Keyword search</translation>
    </message>
    <message>
        <source>归档</source>
        <translation>Archiving</translation>
    </message>
    <message>
        <source>系统设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>设置页</source>
        <translation>Settings pages</translation>
    </message>
</context>
<context>
    <name>ovelin::CDlgViewSetDef</name>
    <message>
        <source>视图集</source>
        <translation>View set</translation>
    </message>
    <message>
        <source>名称:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>表达式:</source>
        <translation>Expression:</translation>
    </message>
</context>
<context>
    <name>ovelin::CEntityTreeView</name>
    <message>
        <source>父文件集设置失败：文件集自身及其下级文件集不能作为父文件集！</source>
        <translation>Could not set the parent sets: neither a set itself nor a set below it can be its parent!</translation>
    </message>
    <message>
        <source>快捷方式已存在！</source>
        <translation>The shortcut already exists!</translation>
    </message>
    <message>
        <source>无法创建该归档路径！</source>
        <translation>Cannot create this store path!</translation>
    </message>
    <message>
        <source>实体文件集</source>
        <translation>Entity sets</translation>
    </message>
    <message>
        <source>显示实体集内容</source>
        <translation>Show the set&apos;s contents</translation>
    </message>
    <message>
        <source>与当前内容:并且</source>
        <translation>With current contents: and</translation>
    </message>
    <message>
        <source>与当前内容:或者</source>
        <translation>With current contents: or</translation>
    </message>
    <message>
        <source>从当前内容:除去</source>
        <translation>From current contents: except</translation>
    </message>
    <message>
        <source>相关查询制导</source>
        <translation>Related query guidance</translation>
    </message>
    <message>
        <source>实体文件集查找	Ctrl+F</source>
        <translation>Find entity set	Ctrl+F</translation>
    </message>
    <message>
        <source>新建实体集</source>
        <translation>New entity set</translation>
    </message>
    <message>
        <source>移除实体集	Delete</source>
        <translation>Remove entity set	Delete</translation>
    </message>
    <message>
        <source>创建快捷视图集</source>
        <translation>Create quick view set</translation>
    </message>
    <message>
        <source>文件归档</source>
        <translation>Archive files</translation>
    </message>
    <message>
        <source>打开归档路径</source>
        <translation>Open store path</translation>
    </message>
    <message>
        <source>导出该分支模板</source>
        <translation>Export this branch as a template</translation>
    </message>
    <message>
        <source>导入模板</source>
        <translation>Import template</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>Properties</translation>
    </message>
</context>
<context>
    <name>ovelin::CFileSelectList</name>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>路径</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>选中的项目</source>
        <translation>Chosen items</translation>
    </message>
</context>
<context>
    <name>ovelin::CFileSetCheckTreeCtrl</name>
    <message>
        <source>父文件集</source>
        <translation>Parent sets</translation>
    </message>
    <message>
        <source>同名文件集已存在！</source>
        <translation>A set with this name already exists!</translation>
    </message>
    <message>
        <source>查找文件集	Ctrl+F</source>
        <translation>Find set	Ctrl+F</translation>
    </message>
    <message>
        <source>新建子文件集</source>
        <translation>New child set</translation>
    </message>
</context>
<context>
    <name>ovelin::CItemBelongPage</name>
    <message>
        <source>~不移动文件~</source>
        <translation>~do not move the file~</translation>
    </message>
    <message>
        <source>～不相同～</source>
        <translation>~differs~</translation>
    </message>
    <message>
        <source>编辑项目描述信息</source>
        <translation>Edit item descriptions</translation>
    </message>
    <message>
        <source>文件归档</source>
        <translation>Archive files</translation>
    </message>
    <message>
        <source>隶属集</source>
        <translation>Belongs to</translation>
    </message>
    <message>
        <source>文件项目属性</source>
        <translation>File item properties</translation>
    </message>
    <message>
        <source>文件移动选项</source>
        <translation>Moving files</translation>
    </message>
    <message>
        <source>选择移动基准路径</source>
        <translation>Choose the move base path</translation>
    </message>
    <message>
        <source>归档路径集:</source>
        <translation>Store path set:</translation>
    </message>
    <message>
        <source>移动基准路径:</source>
        <translation>Move base path:</translation>
    </message>
    <message>
        <source>目的路径:</source>
        <translation>Destination:</translation>
    </message>
    <message>
        <source>父集属性冲突!</source>
        <translation>The properties of the sets conflict!</translation>
    </message>
    <message>
        <source>以下文件已不存在，已从归档列表中移除：
</source>
        <translation>These files no longer exist and were taken off the archiving list:
</translation>
    </message>
    <message>
        <source>
……（共%1个）</source>
        <translation>
… (%1 in all)</translation>
    </message>
    <message>
        <source>请选择需要归档的文件！</source>
        <translation>Please choose the files to archive!</translation>
    </message>
    <message>
        <source>文件项目名不能为空！</source>
        <translation>File item names cannot be empty!</translation>
    </message>
</context>
<context>
    <name>ovelin::CItemDesPage</name>
    <message>
        <source>项目描述</source>
        <translation>Item description</translation>
    </message>
</context>
<context>
    <name>ovelin::CItemDesSheet</name>
    <message>
        <source>项目描述信息</source>
        <translation>Item descriptions</translation>
    </message>
</context>
<context>
    <name>ovelin::CItemEditList</name>
    <message>
        <source>归档名</source>
        <translation>Archive name</translation>
    </message>
    <message>
        <source>隶属集</source>
        <translation>Belongs to</translation>
    </message>
    <message>
        <source>归档路径集</source>
        <translation>Store path set</translation>
    </message>
    <message>
        <source>文件原路径</source>
        <translation>Original path</translation>
    </message>
    <message>
        <source>归档项目</source>
        <translation>Items to archive</translation>
    </message>
</context>
<context>
    <name>ovelin::CItemSelectPage</name>
    <message>
        <source>文件选择</source>
        <translation>Choose files</translation>
    </message>
    <message>
        <source>创建URL项目</source>
        <translation>New URL item</translation>
    </message>
    <message>
        <source>删除选中项目</source>
        <translation>Remove selected items</translation>
    </message>
    <message>
        <source>清空项目列表</source>
        <translation>Clear the list</translation>
    </message>
    <message>
        <source>请选择需要归档的文件！</source>
        <translation>Please choose the files to archive!</translation>
    </message>
</context>
<context>
    <name>ovelin::CKivApp</name>
    <message>
        <source>上次归档时以下文件已移动，但没有记录到数据库中：</source>
        <translation>The last archiving run moved these files but did not record them in the database:</translation>
    </message>
    <message>
        <source>（无法移回，下次启动时再试）</source>
        <translation> (could not move it back; will try again at the next start)</translation>
    </message>
    <message>
        <source>系统错误</source>
        <translation>System error</translation>
    </message>
    <message>
        <source>数据库正在被另一个程序（例如 ovelin-cli）修改，无法启动。
请稍后再试。</source>
        <translation>Another program (for example ovelin-cli) is changing the database, so Ovelin cannot start.
Please try again later.</translation>
    </message>
    <message>
        <source>采用系统缺省设置的根文件集(“我的文档”)的归档路径吗？
%1</source>
        <translation>Use the default store path for the root set (&quot;My Documents&quot;)?
%1</translation>
    </message>
    <message>
        <source>根文件集归档路径选择</source>
        <translation>Choose the store path of the root set</translation>
    </message>
    <message>
        <source>错误的路径选择，系统将采用缺省设置！</source>
        <translation>That path cannot be used; the default is used instead!</translation>
    </message>
</context>
<context>
    <name>ovelin::CListItemProp</name>
    <message>
        <source>~不相同~</source>
        <translation>~differs~</translation>
    </message>
    <message>
        <source>属性值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>属性名称</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>文件项目属性</source>
        <translation>File item properties</translation>
    </message>
</context>
<context>
    <name>ovelin::CListSetItemProp</name>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>数字</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>字符串</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>属性类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>继承</source>
        <translation>Inherited</translation>
    </message>
    <message>
        <source>属性名称</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>最小值</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>最大值</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>初始值</source>
        <translation>Initial value</translation>
    </message>
    <message>
        <source>所属项目属性</source>
        <translation>Item properties</translation>
    </message>
</context>
<context>
    <name>ovelin::CMainFrame</name>
    <message>
        <source>新建文件集	Ctrl+N</source>
        <translation>New set	Ctrl+N</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>删除	Delete</source>
        <translation>Delete	Delete</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>查找实体集	Ctrl+F</source>
        <translation>Find entity set	Ctrl+F</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>文件归档</source>
        <translation>Archive files</translation>
    </message>
    <message>
        <source>归档</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>导出整个模板</source>
        <translation>Export the whole template</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>导入模板</source>
        <translation>Import template</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>退出	Ctrl+E</source>
        <translation>Exit	Ctrl+E</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>前进</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>后退</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>刷新	F5</source>
        <translation>Refresh	F5</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>制导</source>
        <translation>Guidance</translation>
    </message>
    <message>
        <source>帮助	F1</source>
        <translation>Help	F1</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>Home page</translation>
    </message>
    <message>
        <source>关于 Ovelin...</source>
        <translation>About Ovelin...</translation>
    </message>
    <message>
        <source>文件集</source>
        <translation>Sets</translation>
    </message>
    <message>
        <source>系统设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>工具栏</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>打开主界面</source>
        <translation>Open the main window</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>无法打开帮助文件 help/index.html！</source>
        <translation>Cannot open the help file help/index.html!</translation>
    </message>
</context>
<context>
    <name>ovelin::CNewSetDlg</name>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>扩展:</source>
        <translation>Extend: </translation>
    </message>
    <message>
        <source>文件集属性</source>
        <translation>Set properties</translation>
    </message>
    <message>
        <source>名称:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>归档路径:</source>
        <translation>Store path:</translation>
    </message>
    <message>
        <source>说明注释:
(限80字)</source>
        <translation>Note:
(up to 80 characters)</translation>
    </message>
    <message>
        <source>父文件集</source>
        <translation>Parent sets</translation>
    </message>
    <message>
        <source>选择归档路径</source>
        <translation>Choose store path</translation>
    </message>
    <message>
        <source>归档路径文本</source>
        <translation>Store path text</translation>
    </message>
    <message>
        <source>所属项目属性</source>
        <translation>Item properties</translation>
    </message>
    <message>
        <source>新增</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>自定义归档路径选择</source>
        <translation>Choose a custom store path</translation>
    </message>
</context>
<context>
    <name>ovelin::CPigeonholeSheet</name>
    <message>
        <source>归档</source>
        <translation>Archive</translation>
    </message>
</context>
<context>
    <name>ovelin::CQueryExpEdit</name>
    <message>
        <source>&lt;错误文件集名称,清除&gt;</source>
        <translation>&lt;no such set, clear&gt;</translation>
    </message>
</context>
<context>
    <name>ovelin::CQueryResList</name>
    <message>
        <source>超链接</source>
        <translation>Hyperlink</translation>
    </message>
    <message>
        <source>分组</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>查询结果</source>
        <translation>Query result</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>打开所在文件夹</source>
        <translation>Open containing folder</translation>
    </message>
    <message>
        <source>删除归档项目        Del</source>
        <translation>Delete archived items        Del</translation>
    </message>
    <message>
        <source>项目归档情况</source>
        <translation>Item archiving</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>包含项目数</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>路径</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>关键字等级</source>
        <translation>Keyword rank</translation>
    </message>
</context>
<context>
    <name>ovelin::CRightView</name>
    <message>
        <source>查询面板</source>
        <translation>Query panel</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Query</translation>
    </message>
    <message>
        <source>相关查询制导</source>
        <translation>Related query guidance</translation>
    </message>
    <message>
        <source>查询表达式:</source>
        <translation>Query expression:</translation>
    </message>
    <message>
        <source>搜索关键字:</source>
        <translation>Search keywords:</translation>
    </message>
    <message>
        <source>分组:</source>
        <translation>Group by:</translation>
    </message>
    <message>
        <source>正在搜索文件内容</source>
        <translation>Searching the contents of files</translation>
    </message>
    <message>
        <source>搜索进度</source>
        <translation>Search progress</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>取消搜索</source>
        <translation>Cancel the search</translation>
    </message>
    <message>
        <source>不分组</source>
        <translation>No grouping</translation>
    </message>
    <message>
        <source>%1的子集</source>
        <translation>Subsets of %1</translation>
    </message>
</context>
<context>
    <name>ovelin::CShellFolderContentList</name>
    <message>
        <source>文件夹内容</source>
        <translation>Folder contents</translation>
    </message>
    <message>
        <source>添加文件项目</source>
        <translation>Add as file items</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
</context>
<context>
    <name>ovelin::CShellFolderTree</name>
    <message>
        <source>文件夹</source>
        <translation>Folders</translation>
    </message>
</context>
<context>
    <name>ovelin::CViewList</name>
    <message>
        <source>视图集</source>
        <translation>View sets</translation>
    </message>
    <message>
        <source>显示视图集内容</source>
        <translation>Show the view set&apos;s contents</translation>
    </message>
    <message>
        <source>与当前内容:并且</source>
        <translation>With current contents: and</translation>
    </message>
    <message>
        <source>与当前内容:或者</source>
        <translation>With current contents: or</translation>
    </message>
    <message>
        <source>从当前内容:除去</source>
        <translation>From current contents: except</translation>
    </message>
    <message>
        <source>相关查询制导</source>
        <translation>Related query guidance</translation>
    </message>
    <message>
        <source>新建视图集</source>
        <translation>New view set</translation>
    </message>
    <message>
        <source>删除视图集</source>
        <translation>Delete view set</translation>
    </message>
    <message>
        <source>属性</source>
        <translation>Properties</translation>
    </message>
</context>
<context>
    <name>ovelin::CWebBrowser</name>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
</context>
<context>
    <name>ovelin::MessageBox</name>
    <message>
        <source>数据库保存失败，刚才的修改没有写入磁盘！
请检查数据文件夹是否可写、磁盘是否已满。</source>
        <translation>Saving the database failed: the last changes are not on the disk!
Please check that the data folder is writable and the disk is not full.</translation>
    </message>
</context>
<context>
    <name>ovelin::PreviewPage</name>
    <message>
        <source>尺寸</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>持续时间</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>Artist</translation>
    </message>
    <message>
        <source>专辑</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>发行年</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>流派</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>描述</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>浏览器不支持嵌入式框架，或被配置为不显示嵌入式框架。</source>
        <translation>The browser does not support inline frames or is set not to show them.</translation>
    </message>
</context>
<context>
    <name>ovelin::ReferenceWarning</name>
    <message>
        <source>以下视图集仍引用“%1”，运行它们将报告查询表达式错误：
%2</source>
        <translation>These view sets still refer to &quot;%1&quot;; running them will report a query expression error:
%2</translation>
    </message>
</context>
<context>
    <name>ovelin::SetTreeWidget</name>
    <message>
        <source>没有找到对应项！</source>
        <translation>No matching item found!</translation>
    </message>
</context>
<context>
    <name>ovelin::StartArchiving</name>
    <message>
        <source>以下项目的属性值不符合任何所选文件集的要求，既没有移动也没有记录：
</source>
        <translation>The property values of these items fit none of the chosen sets, so they were neither moved nor recorded:
</translation>
    </message>
    <message>
        <source>
……（共%1个）</source>
        <translation>
… (%1 in all)</translation>
    </message>
</context>
<context>
    <name>ovelin::StartOptions</name>
    <message>
        <source>用法：ovelin [选项]
Ovelin 桌面程序：整理文件集、查询、归档和预览。

选项：
  --data-dir DIR  使用文件夹 DIR 中的数据文件（默认由 OVELIN_DATA_DIR 或
                  $XDG_DATA_HOME/ovelin 决定）
  -h, --help      显示本帮助并退出
  --version       显示版本并退出

命令行程序：ovelin-cli --help
</source>
        <translation>Usage: ovelin [options]
The Ovelin desktop program: organize sets of files, query, archive and preview.

Options:
  --data-dir DIR  use the data file in the folder DIR (by default OVELIN_DATA_DIR
                  or $XDG_DATA_HOME/ovelin decides)
  -h, --help      show this help and end
  --version       show the version and end

The command-line program: ovelin-cli --help
</translation>
    </message>
</context>
</TS>
